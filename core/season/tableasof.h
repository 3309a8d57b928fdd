#pragma once

#include "core/season/matches.h"

#include <QDate>
#include <memory>
#include <vector>

namespace soccer {

// Which of its matches a team's line counts: all, or only those it played at home or away.
enum class MatchSide { All, Home, Away };

// Which of the season's matches a table counts: those of rounds 1..afterRound or dated up to
// a day (a match without a round or a date then counts as not yet played), and of those all
// of a team's matches or only its home or away ones.
struct TableView {
    int afterRound = 0; // 0: no limit by round
    QDate upToDate;     // null: no limit by date
    MatchSide side = MatchSide::All;

    bool limitsTime() const { return afterRound > 0 || upToDate.isValid(); }
    bool isWhole() const { return !limitsTime() && side == MatchSide::All; }
    bool operator==(const TableView &) const = default;
};

// Whether the match stands within the view's time (its result aside).
bool withinTime(const SeasonMatch &match, const TableView &view);

// The league as the view sees it, for the ranking and the published results table: the names
// and rules as they are and the counters of the matches the view counts, under the
// competition's rules. When the ranking rule has a head-to-head criterion, also the cells of
// those matches, from the side of the team they count for (a home table keeps the home team's
// cell only, so that head-to-head reads home matches too). Points docked stay in a table over
// time, as they do in the whole table; a home or away table leaves them out, as they belong to
// no match. The whole view is the league itself.
std::unique_ptr<League> leagueAsOf(const League &league, const std::vector<SeasonMatch> &matches,
                                   const TableView &view);

} // namespace soccer
