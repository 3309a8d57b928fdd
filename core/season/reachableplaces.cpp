// The places each team can still reach.
//
// A team's best place comes with it winning every match it has left, its worst with it losing
// every one. Why: turn one of its results a step toward a win (a loss into a draw, a draw into a
// win). Its own points change by draw-loss or win-draw, never less than nothing, since a scheme
// never pays a draw below a loss nor a win below a draw; its opponent's points change by
// loss-draw or draw-win, never more than nothing; no other team's points change. So the set of
// teams above it can only shrink and the set level or above it can only shrink: from any outcome
// of the season, the same outcome with all the team's matches won is at least as good for it, and
// with all lost at least as bad. The rest is over the matches that do not involve it.
//
// Then most teams settle at once: one that ends above the team even losing everything it has
// left, or cannot get above it even winning everything. Those still open meet each other in
// groups that do not meet across; each group is counted on its own, by walking every outcome
// when there are few, otherwise by the mixed-integer solver within the time left.
#include "core/season/reachableplaces.h"
#include "core/season/placescomponent.h"

#include <QDeadlineTimer>

namespace soccer {

namespace {

using places::Answer;
using places::Component;
using places::Question;
using places::Side;

// Above this many outcomes a group of teams goes to the solver instead of being walked.
constexpr long long kWalkLimit = 20000;

struct Season {
    int teams = 0;
    QList<int> points;
    QList<int> left;            // matches each team has left
    QList<QList<int>> meetings; // matches left between each two teams
    PointsScheme scheme;
};

Season seasonOf(const PlacesInput &input) {
    Season season;
    season.teams = int(input.points.size());
    season.points = input.points;
    season.scheme = input.scheme;
    season.left = QList<int>(season.teams, 0);
    season.meetings = QList<QList<int>>(season.teams, QList<int>(season.teams, 0));
    for (const auto &[home, away] : input.remaining) {
        // A match naming no team of the table, or one team twice, cannot be played.
        if (home < 1 || away < 1 || home > season.teams || away > season.teams || home == away)
            continue;
        ++season.left[home - 1], ++season.left[away - 1];
        ++season.meetings[home - 1][away - 1], ++season.meetings[away - 1][home - 1];
    }
    return season;
}

// The teams not settled for one side of one team's question: open ones, and how many of the
// others are settled as counted (above the team, or level or above it).
struct Open {
    int counted = 0;
    QList<bool> isOpen;
    QList<int> inside; // each open team's matches left against open teams
};

// An open team plays its matches against settled teams as the team's side wants (losing them
// for its best place, winning for its worst): their outcome no longer matters to the settled
// ones. A team that is settled even when it wins (best) or loses (worst) every match among the
// open ones leaves them, and the others then play it as a settled team.
Open openTeams(const Season &season, int team, const Question &question) {
    const PointsScheme &s = question.scheme;
    const bool best = question.side == Side::Best;
    Open open{0, QList<bool>(season.teams, true), QList<int>(season.teams, 0)};
    open.isOpen[team] = false;
    for (int j = 0; j < season.teams; ++j) {
        if (j == team)
            continue;
        const int fewest = season.points[j] + s.loss * season.left[j];
        const int most = season.points[j] + s.win * season.left[j];
        if (best && fewest > question.threshold)
            open.isOpen[j] = false, ++open.counted;
        if (!best && most < question.threshold)
            open.isOpen[j] = false;
    }
    QList<int> queue;
    for (int j = 0; j < season.teams; ++j) {
        for (int k = 0; k < season.teams; ++k)
            open.inside[j] += open.isOpen[k] ? season.meetings[j][k] : 0;
        if (open.isOpen[j])
            queue.append(j);
    }
    while (!queue.isEmpty()) {
        const int j = queue.takeLast();
        if (!open.isOpen[j])
            continue;
        const int inside = open.inside[j], outside = season.left[j] - inside;
        const int points = best ? season.points[j] + s.loss * outside + s.win * inside
                                : season.points[j] + s.win * outside + s.loss * inside;
        const bool settled = best ? !question.counts(points) : question.counts(points);
        if (!settled)
            continue;
        open.isOpen[j] = false;
        open.counted += best ? 0 : 1;
        for (int k = 0; k < season.teams; ++k)
            if (season.meetings[j][k] > 0 && open.isOpen[k])
                open.inside[k] -= season.meetings[j][k], queue.append(k);
    }
    return open;
}

// The open teams split into groups that play only each other.
QList<Component> componentsOf(const Season &season, const Open &open, const Question &question) {
    const int outsideResult =
        question.side == Side::Best ? question.scheme.loss : question.scheme.win;
    QList<int> slot(season.teams, -1);
    QList<Component> components;
    for (int start = 0; start < season.teams; ++start) {
        if (!open.isOpen[start] || slot[start] >= 0)
            continue;
        Component component;
        QList<int> members{start};
        slot[start] = 0;
        for (qsizetype m = 0; m < members.size(); ++m) {
            const int j = members[m];
            component.base.append(season.points[j] +
                                  outsideResult * (season.left[j] - open.inside[j]));
            for (int k = 0; k < season.teams; ++k) {
                if (!open.isOpen[k] || season.meetings[j][k] == 0)
                    continue;
                if (slot[k] < 0)
                    slot[k] = int(members.size()), members.append(k);
                if (k > j)
                    component.fixtures.append({slot[j], slot[k], season.meetings[j][k]});
            }
        }
        components.append(component);
    }
    return components;
}

struct Bound {
    int place = 1;
    bool exact = true;
};

// One side of one team's question; `search` false answers from the settled teams alone.
Bound sideBound(const Season &season, int team, Side side, const QDeadlineTimer &deadline,
                const std::atomic_bool *cancel, bool search) {
    const PointsScheme &s = season.scheme;
    const int own = season.points[team];
    const int threshold = own + (side == Side::Best ? s.win : s.loss) * season.left[team];
    const Question question{side, threshold, s};
    const Open open = openTeams(season, team, question);
    Bound bound{1 + open.counted, true};
    QList<Component> hard;
    for (const Component &component : componentsOf(season, open, question)) {
        const bool walk = search && places::outcomeCount(component, kWalkLimit) >= 0;
        const Answer answer = walk ? places::walkOutcomes(component, question)
                                   : places::plainBound(component, question);
        if (search && !walk)
            hard.append(component);
        else
            bound.place += answer.count, bound.exact = bound.exact && answer.exact;
    }
    // The walks are quick and certain; an outcome where no team (best) or every team (worst) is
    // counted needs no proof of being the best one; the solver gets what time is left.
    for (const Component &component : hard) {
        Answer answer = places::quickOutcome(component, question);
        if (!answer.exact)
            answer = places::solveWithGlpk(component, question, deadline, cancel);
        bound.place += answer.count;
        bound.exact = bound.exact && answer.exact;
    }
    return bound;
}

bool cancelled(const std::atomic_bool *cancel) {
    return cancel && cancel->load();
}

TeamPlaces teamPlaces(const Season &season, int team, const PlacesOptions &options, bool search) {
    // Half the budget for the best place, then whatever is left for the worst.
    const QDeadlineTimer bestDeadline(std::max(0, options.teamBudgetMs / 2));
    const QDeadlineTimer teamDeadline(std::max(0, options.teamBudgetMs));
    const Bound best = sideBound(season, team, Side::Best, bestDeadline, options.cancel, search);
    const Bound worst = sideBound(season, team, Side::Worst, teamDeadline, options.cancel,
                                  search && !cancelled(options.cancel));
    return {best.place, worst.place, best.exact, worst.exact};
}

} // namespace

PlacesResult reachablePlaces(const PlacesInput &input, const PlacesOptions &options) {
    const places::SolverSession session;
    const Season season = seasonOf(input);
    PlacesResult result;
    for (int team = 0; team < season.teams; ++team) {
        result.cancelled = result.cancelled || cancelled(options.cancel);
        result.teams.append(teamPlaces(season, team, options, !result.cancelled));
    }
    result.cancelled = result.cancelled || cancelled(options.cancel);
    return result;
}

QString placesText(const TeamPlaces &places) {
    if (places.best == places.worst)
        return QString::number(places.best);
    return QStringLiteral("%1–%2").arg(places.best).arg(places.worst);
}

// Both marks hold on proven bounds alone: a worst place of 1 cannot be beaten by a closer look,
// nor can a best place already inside the last places.
QString placesMark(const TeamPlaces &places, int teamCount, int relegationPlaces) {
    if (places.worst == 1)
        return QStringLiteral("Чемпион");
    if (relegationPlaces > 0 && places.best > teamCount - relegationPlaces)
        return QStringLiteral("Вылет");
    return {};
}

} // namespace soccer
