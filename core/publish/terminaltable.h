#pragma once

#include "core/publish/publishedtables.h"

#include <QString>

namespace soccer {

// A table as lines of text for a terminal: the header, a rule, then one line per row, columns
// two blanks apart, names aligned left and numbers right by the columns the characters take
// on the screen. Control characters in the texts are shown as the replacement character.
QString terminalTable(const PublishedTable &table);

// Every table under its caption, after the title and the date of publication.
QString terminalText(const Publication &publication);

} // namespace soccer
