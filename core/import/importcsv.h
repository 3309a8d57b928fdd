#pragma once

#include "core/import/importedfile.h"

#include <QStringView>

namespace soccer {

// Reads the matches of a decoded CSV text into `into` (its source gets the separator and
// whether a header was found).
//
// - Separator: detectCsvSeparator; fields: CsvScanner (RFC 4180 quotes), blanks around a
//   field dropped.
// - Header: the first line names the columns when it has the home and away team columns and
//   either both goal columns or one score column ("2-1", "2:1"), by English or Russian names
//   ("home"/"хозяева", "away"/"гости", "home_goals"/"голы хозяев", "round"/"тур",
//   "date"/"дата", ...); other columns are ignored. Without such a header each line is read by
//   position: the last four fields are home, away, home goals and away goals, and one or two
//   fields before them are the round and the date (a single one is the round when it is a
//   whole number). A first line whose two goal fields are both not numbers is taken as a
//   header of unknown names and skipped.
// - A team name guarded against spreadsheet formulas ("'=1+2", as this program's CSV files
//   and spreadsheets write it) is read as the name without the apostrophe (formulaUnguarded).
// - Empty lines are skipped; a line whose goal fields are both empty is a match without a
//   score yet, skipped and counted.
// - At most kMaxImportLines lines with a match are read; a longer file is refused.
void readCsvMatches(QStringView text, ImportedFile &into);

} // namespace soccer
