#include "core/season/tableasof.h"

#include "core/competition/matchcount.h"

#include <algorithm>
#include <utility>

namespace soccer {

namespace {

// The parts of the league the ranking and the results table read, without the cells: copying
// thirty thousand score texts only to empty them again would cost more than the count itself.
// Default-initialised rather than value-initialised: every member has its own initialiser, and
// zeroing the whole table first would only fault in its pages twice.
std::unique_ptr<League> emptyCopy(const League &league) {
    std::unique_ptr<League> view(new League);
    view->teamCount = std::clamp(league.teamCount, 0, kMaxTeams);
    view->teamNames = league.teamNames;
    view->tablePath = league.tablePath;
    view->colors = league.colors;
    view->rankingRule = league.rankingRule;
    view->competition = league.competition;
    return view;
}

// The result from the away team's side, as its own cell holds it.
MatchResult awaySide(const MatchResult &result) {
    MatchResult mirrored = result;
    std::swap(mirrored.homeGoals, mirrored.awayGoals);
    std::swap(mirrored.homeAwarded, mirrored.awayAwarded);
    return mirrored;
}

// Counts the match for one team only: the other team's counters are put back as they were,
// so that a home table never credits the away team.
void countOneSide(CrossTable &table, const CompetitionRules &rules, int team, int other,
                  const MatchResult &result) {
    const TeamStats kept = table.stats[other];
    countMatchResult(table, rules, team, other, result, +1);
    table.stats[other] = kept;
}

// The cells are copied only when the ranking reads them: a head-to-head criterion does.
void countMatch(League &view, const League &league, const SeasonMatch &match, MatchSide side,
                bool cells) {
    const auto &from = league.crossTables[match.half].cells;
    CrossTable &table = view.crossTables[match.half];
    const int home = match.home;
    const int away = match.away;
    if (cells && side != MatchSide::Away)
        table.cells[home][away] = from[home][away];
    if (cells && side != MatchSide::Home)
        table.cells[away][home] = from[away][home];
    if (side == MatchSide::All)
        countMatchResult(table, view.competition, home, away, match.result, +1);
    else if (side == MatchSide::Home)
        countOneSide(table, view.competition, home, away, match.result);
    else
        countOneSide(table, view.competition, away, home, awaySide(match.result));
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
    const bool cells = std::ranges::any_of(league.rankingRule.criteria(), isHeadToHead);
    for (const SeasonMatch &match : matches) {
        if (match.result.kind != MatchResult::Kind::None && withinTime(match, view) &&
            match.home <= result->teamCount && match.away <= result->teamCount)
            countMatch(*result, league, match, view.side, cells);
    }
    return result;
}

} // namespace soccer
