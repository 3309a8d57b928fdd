#pragma once

#include <QString>

namespace soccer {

// The nearest spelling of `text` that code page 1251 can hold, offered when a typed name cannot
// be stored: "Atlético Madrid" becomes "Atletico Madrid". Characters the code page holds stay
// as they are, Cyrillic "й" and "ё" included; any other character loses its accents (Unicode
// decomposition, combining marks dropped), and what is still not in the code page becomes a
// question mark, one for each character.
QString nearestStorableSpelling(const QString &text);

} // namespace soccer
