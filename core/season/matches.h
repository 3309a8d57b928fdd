#pragma once

#include "core/league/league.h"
#include "core/league/matchresult.h"

#include <QDate>
#include <vector>

namespace soccer {

// One match of the season as everything over time reads it: who was at home, when, and its
// result, read once from the cell of the home team's row and the away team's column.
struct SeasonMatch {
    int half = 0;
    int home = 0;
    int away = 0;
    int round = 0; // 0 when the table has no calendar or the pair none in this half
    QDate date;
    bool postponed = false;
    MatchResult result;
};

// Every pair of teams 1..N once in each half, from the cells and the calendar: a scheduled
// pair as the calendar has it, any other with the lower-numbered (row) team at home and round
// 0. Ordered by half, then round, then home and away team. The tables over time, the round
// view and the published calendar read the season from here, never from score texts.
std::vector<SeasonMatch> seasonMatches(const League &league);

// A result as the round view and the published calendar show it: "2:1" (home goals first),
// "+:-" for a technical result, the empty text while none is recorded.
QString resultText(const MatchResult &result);

// The matches of one round, in the order of seasonMatches.
std::vector<SeasonMatch> roundMatches(const std::vector<SeasonMatch> &matches, int round);

// The teams of 1..teamCount without a match in `round` (the free team of an odd league).
std::vector<int> freeTeams(const std::vector<SeasonMatch> &matches, int round, int teamCount);

} // namespace soccer
