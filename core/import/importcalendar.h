#pragma once

#include "core/import/importplan.h"
#include "core/league/league.h"

#include <QDate>
#include <QString>
#include <vector>

// The time of the imported matches: their rounds, dates and home teams, for the calendar.
namespace soccer {

// The round of a file's round text: its first whole number ("5", "Matchday 5", "5. Spieltag",
// "Тур 5"); 0 when it has none or the number is no round (kMaxRound at most).
int importedRound(const QString &text);
// The date of a file's date text: 2015-08-14, 14.08.2015, 14/08/2015 or 14/08/15; null for
// anything else.
QDate importedDate(const QString &text);

// The planned results that put a team into a round where the file has it already, each named
// "«Команда» второй раз в туре 5". Such lines are imported all the same.
std::vector<LineProblem> doubledRoundNotes(const ImportPlan &plan);

// Whether the plan brings rounds for the calendar.
bool plansCalendar(const ImportPlan &plan);
// The planned results of the file in the calendar: for each result the file gives with a
// round, its pair's fixture in its half (home team, round, date) replaces what the calendar
// held for it. A date without a round places no match in the calendar and is left out.
void takeImportedCalendar(League &league, const ImportPlan &plan);

} // namespace soccer
