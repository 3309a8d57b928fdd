#pragma once

#include "core/competition/competitionrules.h"
#include "core/ranking/rankingrule.h"
#include "core/season/calendar.h"

#include <QString>
#include <QStringList>
#include <array>

namespace soccer {

// Every per-team array runs 0..99; teams are numbered 1..N and index 0 is not used.
constexpr int kMaxTeams = 99;
constexpr int kArraySize = kMaxTeams + 1;

// The seven statistics of one team in one half. Typed scores are taken as read, so the
// values may be fractional or negative.
struct TeamStats {
    double played = 0;
    double points = 0;
    double wins = 0;
    double losses = 0;
    double draws = 0;
    double goalsFor = 0;
    double goalsAgainst = 0;

    bool operator==(const TeamStats &) const = default;
};

// One statistic of a team; core/league/columns.h says how each is shown, stored and ordered by.
// The last ones are computed from the stored ones.
enum class Counter { Played, Losses, Draws, Wins, GoalsFor, GoalsAgainst, Points, GoalDifference };

// Any counter, a computed one worked out from the stored ones.
double counterValue(const TeamStats &stats, Counter counter);
// A stored counter only: a computed one has no place of its own.
double &counterRef(TeamStats &stats, Counter counter);

// One half of the season: cells[r][c] is r's match against c, r's goals first, as a score
// text; the empty text while no result is recorded.
struct CrossTable {
    std::array<std::array<QString, kArraySize>, kArraySize> cells;
    std::array<TeamStats, kArraySize> stats;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb &) const = default;
};

// Main colour (background, header cells, even rows), second colour (odd rows), text colour.
struct ColorScheme {
    Rgb main{150, 150, 150};
    Rgb second{200, 200, 200};
    Rgb text{0, 0, 0};

    static ColorScheme standard() { return {}; }
    bool operator==(const ColorScheme &) const = default;
};

// The near-black of the cells in which a team meets itself.
constexpr Rgb kDiagonalColor{1, 1, 1};

// The table of one season. Large (three cross-tables of 100 x 100 texts): keep it on the heap.
struct League {
    int teamCount = 0;
    std::array<QString, kArraySize> teamNames;
    std::array<CrossTable, 3> crossTables; // [1] first half, [2] second half; [0] unused
    QString tablePath;
    std::array<int, kArraySize> standingsOrder{};
    ColorScheme colors;
    RankingRule rankingRule;      // travels with the table file; the program's rule by default
    CompetitionRules competition; // travels with the table file as well
    Calendar calendar;            // rounds, dates and home teams; empty: the table has none
    // Lines after the names that this version cannot read, written back as they were
    // (core/files/tablesection.h).
    QStringList keptSectionLines;
};

// Empties every score cell of both halves and sets every counter of teams 1..N to 0;
// names and count stay.
void clearResults(League &league);

// Why a text cannot be stored in a table file and come back unchanged.
enum class TextProblem {
    None,
    Comma,         // a comma ends the value when read
    DoubleQuote,   // a leading quote makes the reader look for a closing one
    LineBreak,     // values are single lines
    NotInCodePage, // a character that Windows Cyrillic (1251) cannot hold
};
TextProblem tableTextProblem(const QString &text);
// The message a prompt shows when it refuses a text; empty for TextProblem::None.
QString tableTextProblemMessage(TextProblem problem);

} // namespace soccer
