#include "core/season/tableasof.h"

#include "core/competition/matchcount.h"

#include <algorithm>

namespace soccer {

namespace {

// The parts of the league the ranking and the results table read, without the cells: copying
// thirty thousand score texts only to empty them again would cost more than the count itself.
std::unique_ptr<League> emptyCopy(const League &league) {
    auto view = std::make_unique<League>();
    view->teamCount = std::clamp(league.teamCount, 0, kMaxTeams);
    view->teamNames = league.teamNames;
    view->tablePath = league.tablePath;
    view->colors = league.colors;
    view->rankingRule = league.rankingRule;
    view->competition = league.competition;
    return view;
}

// Counts the match for the team whose cell it is only: the other team's counters are put back
// as they were, so that a home table never credits the away team.
void countOneSide(CrossTable &table, const CompetitionRules &rules, int team, int other,
                  const QString &cell) {
    const TeamStats kept = table.stats[other];
    countCell(table, rules, team, other, cell, +1);
    table.stats[other] = kept;
}

void countMatch(League &view, const League &league, const SeasonMatch &match, MatchSide side) {
    const auto &cells = league.crossTables[match.half].cells;
    CrossTable &table = view.crossTables[match.half];
    const QString &homeCell = cells[match.home][match.away];
    const QString &awayCell = cells[match.away][match.home];
    if (side == MatchSide::All) {
        table.cells[match.home][match.away] = homeCell;
        table.cells[match.away][match.home] = awayCell;
        countCell(table, view.competition, match.home, match.away, homeCell, +1);
    } else if (side == MatchSide::Home) {
        table.cells[match.home][match.away] = homeCell;
        countOneSide(table, view.competition, match.home, match.away, homeCell);
    } else {
        table.cells[match.away][match.home] = awayCell;
        countOneSide(table, view.competition, match.away, match.home, awayCell);
    }
}

} // namespace

bool withinTime(const SeasonMatch &match, const TableView &view) {
    if (view.afterRound > 0 && (match.round < 1 || match.round > view.afterRound))
        return false;
    return !view.upToDate.isValid() || (match.date.isValid() && match.date <= view.upToDate);
}

std::unique_ptr<League> leagueAsOf(const League &league, const std::vector<SeasonMatch> &matches,
                                   const TableView &view) {
    if (view.isWhole())
        return std::make_unique<League>(league);
    auto result = emptyCopy(league);
    if (view.side != MatchSide::All)
        result->competition.adjustments.clear();
    for (const SeasonMatch &match : matches) {
        if (match.result.kind != MatchResult::Kind::None && withinTime(match, view) &&
            match.home <= result->teamCount && match.away <= result->teamCount)
            countMatch(*result, league, match, view.side);
    }
    return result;
}

} // namespace soccer
