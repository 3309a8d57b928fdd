#include "core/competition/matchcount.h"

#include "core/league/score.h"

#include <algorithm>

namespace soccer {

bool countCell(CrossTable &table, const CompetitionRules &rules, int r, int c, const QString &cell,
               int sign) {
    if (cell.isEmpty())
        return true;
    double x = 0;
    double y = 0;
    if (!splitScoreText(cell, x, y))
        return false;
    if (rules.isAnnulled(r) || rules.isAnnulled(c))
        return true;
    countResult(table, r, c, x, y, sign, rules.points);
    return true;
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
