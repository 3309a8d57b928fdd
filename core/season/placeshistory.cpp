#include "core/season/placeshistory.h"

#include "core/ranking/ranking.h"
#include "core/season/matches.h"
#include "core/season/seasontable.h"
#include "core/season/tableasof.h"

#include <algorithm>
#include <set>

namespace soccer {

namespace {

// The rounds with a match, up to the last one in which a match has a result.
std::vector<int> chartedRounds(const std::vector<SeasonMatch> &matches) {
    std::set<int> withMatch;
    int lastPlayed = 0;
    for (const SeasonMatch &match : matches) {
        if (match.round <= 0)
            continue;
        withMatch.insert(match.round);
        if (match.result.kind != MatchResult::Kind::None)
            lastPlayed = std::max(lastPlayed, match.round);
    }
    std::vector<int> rounds;
    for (int round : withMatch) {
        if (round <= lastPlayed)
            rounds.push_back(round);
    }
    return rounds;
}

} // namespace

PlacesHistory placesHistory(const League &league) {
    PlacesHistory history;
    history.teamCount = league.teamCount;
    const std::vector<SeasonMatch> matches = seasonMatches(league);
    history.rounds = chartedRounds(matches);
    history.places.reserve(history.rounds.size());
    for (int round : history.rounds) {
        TableView view;
        view.afterRound = round;
        const std::unique_ptr<League> asOf = leagueAsOf(league, matches, view);
        history.places.push_back(placesByTeam(rankByRule(*asOf, league.rankingRule)));
    }
    return history;
}

} // namespace soccer
