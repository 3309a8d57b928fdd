#pragma once

#include "core/competition/competitionrules.h"
#include "core/league/league.h"
#include "core/league/matchresult.h"

#include <QString>

namespace soccer {

// Adds (sign +1) or takes back (sign -1) what the text of cell (r, c) of a half says under
// the competition's rules: a score under its points, a technical result as its rule says,
// nothing for a team whose results are annulled. False when the text says no result that can
// be counted (it has no ':'); then nothing is touched. The empty cell counts nothing and is
// true.
bool countCell(CrossTable &table, const CompetitionRules &rules, int r, int c, const QString &cell,
               int sign);
// The same for a result read already, r's side first: what counts a season's matches without
// reading their texts twice.
void countMatchResult(CrossTable &table, const CompetitionRules &rules, int r, int c,
                      const MatchResult &result, int sign);

// Both halves' statistics of teams 1..N counted afresh from the cells under the league's
// rules, each pair once from its row team's cell: what a change of the rules does.
void recountStatistics(League &league);

} // namespace soccer
