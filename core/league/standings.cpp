#include "core/league/standings.h"

#include <algorithm>

namespace soccer {

namespace {

int rankedCount(const League &league) {
    return std::clamp(league.teamCount, 0, kMaxTeams);
}

std::array<TeamStats, kArraySize> allTotals(const League &league) {
    std::array<TeamStats, kArraySize> result{};
    for (int t = 1; t <= rankedCount(league); ++t)
        result[t] = totals(league, t);
    return result;
}

double goalDifference(const TeamStats &stats) {
    return counterValue(stats, Counter::GoalDifference);
}

// Points, then wins, then goal difference, then goals for, each compared in turn: the first
// that differs decides. A comparison in which a later criterion could overrule an earlier one
// would make the table depend on the teams' numbers.
bool ranksAbove(const TeamStats &a, const TeamStats &b) {
    if (a.points != b.points)
        return a.points > b.points;
    if (a.wins != b.wins)
        return a.wins > b.wins;
    if (goalDifference(a) != goalDifference(b))
        return goalDifference(a) > goalDifference(b);
    return a.goalsFor > b.goalsFor;
}

// Selection by repeated scan: each position gets the first unplaced team, displaced by every
// later unplaced team that `better` prefers to the current choice.
template <typename Better> void selectByScan(League &league, Better better) {
    const int count = rankedCount(league);
    std::array<bool, kArraySize> placed{};
    for (int p = 1; p <= count; ++p) {
        int best = 1;
        while (placed[best])
            ++best;
        for (int j = best + 1; j <= count; ++j) {
            if (!placed[j] && better(j, best))
                best = j;
        }
        league.standingsOrder[p] = best;
        placed[best] = true;
    }
}

} // namespace

TeamStats totals(const League &league, int team) {
    const TeamStats &first = league.crossTables[1].stats[team];
    const TeamStats &second = league.crossTables[2].stats[team];
    TeamStats sum;
    for (Counter counter : kStoredCounters)
        counterRef(sum, counter) = counterValue(first, counter) + counterValue(second, counter);
    // Points docked or given by the organiser belong to no half.
    sum.points += league.competition.adjustmentOf(team);
    return sum;
}

void rankTeams(League &league) {
    const auto teamTotals = allTotals(league);
    const CompetitionRules &rules = league.competition;
    // A team whose results are annulled stands below every team still in the competition.
    selectByScan(league, [&](int j, int leader) {
        if (rules.isAnnulled(j) != rules.isAnnulled(leader))
            return rules.isAnnulled(leader);
        return ranksAbove(teamTotals[j], teamTotals[leader]);
    });
}

void orderByCounter(League &league, Counter counter) {
    const auto teamTotals = allTotals(league);
    selectByScan(league, [&](int j, int best) {
        return counterValue(teamTotals[j], counter) > counterValue(teamTotals[best], counter);
    });
}

std::vector<ResultsRow> resultsRows(const League &league) {
    std::vector<ResultsRow> rows;
    const int count = rankedCount(league);
    rows.reserve(std::size_t(count));
    for (int p = 1; p <= count; ++p) {
        ResultsRow row;
        row.position = p;
        row.team = std::clamp(league.standingsOrder[p], 0, kMaxTeams);
        row.name = league.teamNames[row.team];
        row.totals = totals(league, row.team);
        row.withdrawn = league.competition.hasWithdrawn(row.team);
        rows.push_back(row);
    }
    return rows;
}

} // namespace soccer
