#pragma once

#include "core/league.h"

#include <QString>

namespace soccer::importnames {

// The nearest spelling a table file can hold: every character that code page 1251 lacks is
// decomposed (NFD) and its combining marks are dropped ("München" → "Munchen", "Łódź" keeps
// its "Ł", which has no decomposition: "Łodz"). Characters 1251 holds, such as "й" and "ё",
// are kept whole. A shared `soccer::nearestStorableSpelling` is meant to replace this one.
QString nearestStorableSpelling(const QString &name);

} // namespace soccer::importnames

namespace soccer {

// The form under which an imported name and a table's name are compared: surrounding blanks
// dropped, the nearest storable spelling, case folded. "  BAYERN München " and
// "Bayern Munchen" have the same key.
QString teamKey(const QString &name);

// The name an imported team is stored under: trimmed, nearest storable spelling.
QString storedTeamName(const QString &name);

// Whether teams 1..N still carry the names a new table gives them (' 1' .. ' N', compared
// without surrounding blanks).
bool hasDefaultNames(const League &league);

} // namespace soccer
