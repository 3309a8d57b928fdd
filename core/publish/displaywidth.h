#pragma once

#include <QString>

// How many columns of a terminal a text takes: East Asian wide and full-width characters
// take two, combining marks and other zero-width characters none, everything else one.
namespace soccer {

int displayWidth(const QString &text);

// The text with every control character (which could move the cursor or recolour the
// terminal) replaced by the replacement character.
QString withoutControls(const QString &text);

} // namespace soccer
