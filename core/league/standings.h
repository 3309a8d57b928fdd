#pragma once

#include "core/league/columns.h"
#include "core/league/league.h"

#include <QString>
#include <array>
#include <vector>

namespace soccer {

// Team t's counters of both halves added together.
TeamStats totals(const League &league, int team);

// The ranking rule: points, then wins, then goal difference, then goals for, decided by a
// fresh scan in team order for every position with strict comparisons. Fills
// standingsOrder[1..N].
void rankTeams(League &league);

// Descending order of one counter's totals; equal totals keep increasing team number.
void orderByCounter(League &league, Counter counter);

// One row of the results table, for position `position`: the team, its stored name and its
// totals of both halves, from which each column takes its counter.
struct ResultsRow {
    int position = 0;
    int team = 0;
    QString name;
    TeamStats totals;

    double value(Counter counter) const { return counterValue(totals, counter); }
};
std::vector<ResultsRow> resultsRows(const League &league);

} // namespace soccer
