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

Answer plainBound(const Component &component, const Question &question) {
    return {question.side == Side::Best ? 0 : int(component.base.size()), false};
}

} // namespace soccer::places
