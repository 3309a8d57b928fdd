#include "core/season/placescomponent.h"

namespace soccer::places {

namespace {

struct Walk {
    const Component &component;
    const Question &question;
    QList<int> points;
    int best;

    void finish() {
        int count = 0;
        for (int p : points)
            count += question.counts(p) ? 1 : 0;
        best = question.side == Side::Best ? std::min(best, count) : std::max(best, count);
    }

    void step(qsizetype index) {
        if (index == component.fixtures.size())
            return finish();
        const Fixture &f = component.fixtures[index];
        const PointsScheme &s = question.scheme;
        // `wins` for the first team, `draws`, and the rest won by the second.
        for (int wins = 0; wins <= f.count; ++wins)
            for (int draws = 0; wins + draws <= f.count; ++draws) {
                const int losses = f.count - wins - draws;
                const int first = s.win * wins + s.draw * draws + s.loss * losses;
                const int second = s.win * losses + s.draw * draws + s.loss * wins;
                points[f.first] += first;
                points[f.second] += second;
                step(index + 1);
                points[f.first] -= first;
                points[f.second] -= second;
            }
    }
};

} // namespace

long long outcomeCount(const Component &component, long long limit) {
    long long total = 1;
    for (const Fixture &f : component.fixtures) {
        total *= (f.count + 1LL) * (f.count + 2LL) / 2;
        if (total > limit)
            return -1;
    }
    return total;
}

Answer walkOutcomes(const Component &component, const Question &question) {
    const int worstSeen = question.side == Side::Best ? int(component.base.size()) : 0;
    Walk walk{component, question, component.base, worstSeen};
    walk.step(0);
    return {walk.best, true};
}

// Match by match, the win goes to the team further below the threshold, once its other matches
// are lost, per match it has left: for the best place it has the most room to take points
// without passing the team, for the worst it needs them most to reach it. Level claims share a
// draw. Spreading the claim over the matches left keeps a team with many matches to come from
// taking wins it could take later.
Answer quickOutcome(const Component &component, const Question &question) {
    const PointsScheme &s = question.scheme;
    QList<int> points = component.base, left(component.base.size(), 0);
    for (const Fixture &f : component.fixtures)
        left[f.first] += f.count, left[f.second] += f.count;
    auto claim = [&](int j) { return question.threshold - points[j] - s.loss * left[j]; };
    for (const Fixture &f : component.fixtures)
        for (int m = 0; m < f.count; ++m) {
            const long long first = 1LL * claim(f.first) * left[f.second];
            const long long second = 1LL * claim(f.second) * left[f.first];
            --left[f.first], --left[f.second];
            const int firstGets = first == second ? s.draw : first > second ? s.win : s.loss;
            points[f.first] += firstGets;
            points[f.second] += first == second ? s.draw : first > second ? s.loss : s.win;
        }
    int count = 0;
    for (int p : points)
        count += question.counts(p) ? 1 : 0;
    return {count, count == plainBound(component, question).count};
}

Answer plainBound(const Component &component, const Question &question) {
    return {question.side == Side::Best ? 0 : int(component.base.size()), false};
}

} // namespace soccer::places
