#pragma once

#include "core/league/columns.h"
#include "core/league/league.h"

#include <QString>
#include <array>
#include <vector>

namespace soccer {

// Team t's counters of both halves added together, with the points the organiser docked or gave.
TeamStats totals(const League &league, int team);

// The program's ranking rule: points, then wins, then goal difference, then goals for, each
// compared in turn; teams equal on all four stand in team order. Fills standingsOrder[1..N].
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
    bool withdrawn = false; // the team has left the competition, either way

    double value(Counter counter) const { return counterValue(totals, counter); }
};
std::vector<ResultsRow> resultsRows(const League &league);

} // namespace soccer
