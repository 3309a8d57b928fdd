#pragma once

#include <QString>

namespace soccer {

// A spreadsheet opening a CSV file takes a cell that starts with '=', '+', '-' or '@' (and,
// in some, a tab or a carriage return) as a formula, so a team called "=HYPERLINK(...)" would
// run when the table is opened. Such a text is written with an apostrophe before it, the
// usual mark of "this is text"; numbers are never marked, a negative difference stays a number.
bool startsLikeFormula(const QString &text);

// The text as a CSV cell holds it: an apostrophe before a text that starts like a formula.
QString formulaGuarded(const QString &text);

// The text a guarded cell was written from: the apostrophe dropped when it stands before a
// character that starts a formula; any other text unchanged.
QString formulaUnguarded(const QString &cell);

} // namespace soccer
