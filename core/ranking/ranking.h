#pragma once

#include "core/league/league.h"
#include "core/ranking/rankingreason.h"
#include "core/ranking/rankingrule.h"

#include <QString>
#include <vector>

namespace soccer {

// One row of a ranking, top down: what the results grid, the exports and the command line
// show besides the totals.
struct RankedRow {
    int position = 0; // 1..N, the index of standingsOrder
    int team = 0;
    int firstPlace = 0; // the place, shared by the positions firstPlace..lastPlace
    int lastPlace = 0;
    QString place;         // "5", or "5–6" (an en dash) for a shared place
    Separation separation; // what put the team above the next row's team
    QString reason;        // reasonText(separation)
};

// Ranks teams 1..N by points and then the rule's criteria, fills standingsOrder[1..N] as
// rankTeams does, and returns the rows; rows[i] belongs with resultsRows(league)[i].
//
// The program's rule ranks with rankTeams itself: distinct places, complete ties in team
// order. Every other rule sorts by each criterion in turn; teams equal on all of them share
// their place and stay in team order. A run of head-to-head criteria forms a mini-league of
// the teams tied when it is reached: a criterion of the run that splits the group sends each
// smaller group that is still tied back to the first criterion of the run, counting only the
// matches among its own teams; when the run separates a group no further, the criterion after
// the run applies. A criterion that is not head-to-head never returns to an earlier run.
std::vector<RankedRow> rankByRule(League &league, const RankingRule &rule);
// By the table's own rule.
std::vector<RankedRow> rankByRule(League &league);
// The rows a rule would give, with standingsOrder left as it was: for a preview of a rule
// that is not chosen yet.
std::vector<RankedRow> rankingPreview(League &league, const RankingRule &rule);

} // namespace soccer
