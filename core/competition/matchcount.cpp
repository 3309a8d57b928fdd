#include "core/competition/matchcount.h"

#include "core/league/matchresult.h"
#include "core/league/score.h"

#include <algorithm>

namespace soccer {

namespace {

// A technical result: the awarded team wins, the other loses; "-:-" is a loss for both. Its
// goals, when they count, are the 3:0 of the regulations, against each team that lost.
void countTechnical(CrossTable &table, const CompetitionRules &rules, int r, int c,
                    const MatchResult &result, int sign) {
    const bool goals = rules.technical == TechnicalCounting::WithGoals;
    const double x = result.homeAwarded ? kTechnicalGoals : 0;
    const double y = result.awayAwarded ? kTechnicalGoals : 0;
    if (result.homeAwarded || result.awayAwarded) {
        if (goals)
            countResult(table, r, c, x, y, sign, rules.points);
        else
            countOutcome(table.stats[r], table.stats[c], x, y, sign, rules.points);
        return;
    }
    for (TeamStats *loser : {&table.stats[r], &table.stats[c]}) {
        loser->played += sign;
        loser->losses += sign;
        loser->points += rules.points.loss * sign;
        loser->goalsAgainst += goals ? kTechnicalGoals * sign : 0;
    }
}

} // namespace

bool countCell(CrossTable &table, const CompetitionRules &rules, int r, int c, const QString &cell,
               int sign) {
    if (cell.isEmpty())
        return true;
    const MatchResult result = readMatchResult(cell);
    if (result.kind == MatchResult::Kind::None)
        return false;
    countMatchResult(table, rules, r, c, result, sign);
    return true;
}

void countMatchResult(CrossTable &table, const CompetitionRules &rules, int r, int c,
                      const MatchResult &result, int sign) {
    if (result.kind == MatchResult::Kind::None || rules.isAnnulled(r) || rules.isAnnulled(c))
        return;
    if (result.kind == MatchResult::Kind::Technical)
        countTechnical(table, rules, r, c, result, sign);
    else
        countResult(table, r, c, result.homeGoals, result.awayGoals, sign, rules.points);
}

void recountStatistics(League &league) {
    const int count = std::clamp(league.teamCount, 0, kMaxTeams);
    for (int k = 1; k <= 2; ++k) {
        CrossTable &table = league.crossTables[k];
        for (int t = 1; t <= count; ++t)
            table.stats[t] = TeamStats{};
        for (int r = 1; r <= count; ++r) {
            for (int c = r + 1; c <= count; ++c)
                countCell(table, league.competition, r, c, table.cells[r][c], +1);
        }
    }
}

} // namespace soccer
