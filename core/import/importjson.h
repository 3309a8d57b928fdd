#pragma once

#include "core/import/importedfile.h"

#include <QString>

namespace soccer {

// Reads the matches of a decoded JSON text in the openfootball layout into `into`:
// { "matches": [ { "round": "...", "date": "...", "team1": "...", "team2": "...",
//                  "score": { "ft": [2, 1] } }, ... ] }
// and the older { "rounds": [ { "name": "...", "matches": [ ... ] } ] }, where a team may also
// be an object with a "name" and the score may be "score1" and "score2". A match without a
// score is skipped and counted. A text that is not JSON, or JSON without a list of matches,
// makes the file unusable. Every match knows the line its object starts on.
void readJsonMatches(const QString &text, ImportedFile &into);

} // namespace soccer
