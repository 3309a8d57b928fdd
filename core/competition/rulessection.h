#pragma once

#include "core/league/league.h"

#include <QStringList>

// The competition's rules in the section after the names (core/files/tablesection.h), each a
// kind of its own that writes nothing while the table keeps the default:
//   points: 2-1-0                       win, draw, loss (3-1-0 writes nothing)
//   technical: points-only              technical results count no goals (3:0 writes nothing)
//   deduction: 5;-3;12 тур;неуплата     team, points (minus: taken), when (may be empty), and
//                                       the reason, the rest of the line; one line each
//   withdrawal: 7;annul                 the team's results struck from the counts
//   withdrawal: 7;technical;1.3 2.3     its remaining matches lost technically: half and
//                                       column of each cell the withdrawal filled
//   relegation: 3                       the last three places go down (none writes nothing)
// A line that cannot be read (no such team, not a number) is kept as it is and reported.
namespace soccer {

QStringList readPointsPart(const QStringList &values, League &into, QStringList &notes);
QStringList writePointsPart(const League &league);
QStringList readTechnicalPart(const QStringList &values, League &into, QStringList &notes);
QStringList writeTechnicalPart(const League &league);
QStringList readDeductionPart(const QStringList &values, League &into, QStringList &notes);
QStringList writeDeductionPart(const League &league);
QStringList readWithdrawalPart(const QStringList &values, League &into, QStringList &notes);
QStringList writeWithdrawalPart(const League &league);
QStringList readRelegationPart(const QStringList &values, League &into, QStringList &notes);
QStringList writeRelegationPart(const League &league);

} // namespace soccer
