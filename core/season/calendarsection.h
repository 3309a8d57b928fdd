#pragma once

#include "core/league/league.h"

#include <QStringList>

namespace soccer {

// The calendar in the section after a table's team names: one line a fixture,
//   calendar: HALF ROUND HOME AWAY [DATE] [postponed]
// numbers as bare digits, the date as YYYY-MM-DD, "postponed" for a match moved from where the
// draw put it ("calendar: 1 3 5 2 2026-08-15", "calendar: 2 20 2 5 postponed"). Written in the
// calendar's order, so a table read and saved again gives the same lines; a table without a
// calendar writes none.
QStringList writeCalendarPart(const League &league);

// Reads those values (the text after "calendar: " of each line, in file order) into
// `into.calendar`. A line that is no fixture (a date that is no date, a round out of range, a
// word it does not know) or a calendar that does not fit the table's teams drops the whole
// calendar with one note; its lines are handed back to be kept in the file unchanged.
QStringList readCalendarPart(const QStringList &values, League &into, QStringList &notes);

} // namespace soccer
