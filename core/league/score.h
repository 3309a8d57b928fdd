#pragma once

#include "core/competition/pointsscheme.h"
#include "core/league/league.h"

#include <QString>
#include <QStringView>

namespace soccer {

// The number that a part of a typed score or of a score text stands for. Blanks, tabs and
// line feeds are removed first; then the longest leading number is read (sign, digits, one
// decimal point, exponent E or D, or &H / &O whole numbers). Never fails: no number reads 0.
double readScoreNumber(QStringView text);

// One number of a score text: a blank before a number that is not negative, up to 15
// significant digits, a full stop, no zero before the point (' 2', '-1', ' .5').
QString formatScoreNumber(double value);

// ' 2: 1' for x = 2, y = 1.
QString scoreText(double x, double y);

// Splits a stored score text at its first ':'; false when it holds no ':'.
bool splitScoreText(const QString &text, double &x, double &y);

// The outcome of the result x:y for any counters with played, wins, losses, draws and points,
// the points as the scheme gives them (3 a win, 1 a draw, none a loss unless told). Sign +1
// adds the result, -1 takes it back.
template <typename Counters>
void countOutcome(Counters &row, Counters &column, double x, double y, int sign,
                  const PointsScheme &points = {}) {
    row.played += sign;
    column.played += sign;
    if (x > y) {
        row.wins += sign;
        row.points += points.win * sign;
        column.losses += sign;
        column.points += points.loss * sign;
    } else if (x < y) {
        row.losses += sign;
        row.points += points.loss * sign;
        column.wins += sign;
        column.points += points.win * sign;
    } else {
        row.draws += sign;
        row.points += points.draw * sign;
        column.draws += sign;
        column.points += points.draw * sign;
    }
}

// Adds (sign +1) or takes back (sign -1) the result x:y of row team r against column team c.
void countResult(CrossTable &table, int r, int c, double x, double y, int sign,
                 const PointsScheme &points = {});
void countResult(League &league, int k, int r, int c, double x, double y, int sign);

enum class ScoreChange { None, Recorded, Deleted };

// The data side of a click on the score cell (r, c) answered with `answer`: an empty answer
// deletes the pair's result, an answer without a blank is ignored, "+ -", "- +" and "- -" are
// technical results ("+:-" in the cell, "-:+" in its mirror; "-:-" a loss for both), anything
// else is a score that replaces the old result. Both cells of the pair and both teams' counters
// follow. The competition's rules decide how it counts; without them, the default rules.
ScoreChange enterScore(CrossTable &table, int r, int c, const QString &answer);
ScoreChange enterScore(League &league, int half, int r, int c, const QString &answer);

// A statistic as the grids show it: plain decimal text, no blanks ('3', '0', '-1', '1.5').
QString statisticText(double value);

} // namespace soccer
