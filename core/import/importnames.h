#pragma once

#include "core/league/league.h"

#include <QString>

namespace soccer {

// The form under which an imported name and a table's name are compared: surrounding blanks
// dropped, the nearest storable spelling, case folded. "  BAYERN München " and
// "Bayern Munchen" have the same key.
QString teamKey(const QString &name);

// The name an imported team is stored under: trimmed, in the nearest spelling a table file can
// hold (soccer::nearestStorableSpelling); unchanged when that spelling would need a question
// mark for a character without one.
QString storedTeamName(const QString &name);

// Whether teams 1..N still carry the names a new table gives them (' 1' .. ' N', compared
// without surrounding blanks).
bool hasDefaultNames(const League &league);

} // namespace soccer
