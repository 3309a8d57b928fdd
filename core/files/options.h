#pragma once

#include "core/files/locations.h"
#include "core/league/league.h"

#include <QByteArray>
#include <QString>

namespace soccer {

// Three lines of red, green and blue. Failures are CoreError (62 a short file, 13 a value that
// is not a number). Components are rounded to whole numbers and kept as read.
ColorScheme parseOptions(const QByteArray &bytes);
ColorScheme readOptionsFile(const QString &path);

// ' 150  150  150 ' CR LF ' 200  200  200 ' CR LF ' 0  0  0 ' CR LF for the standard scheme.
QByteArray optionsBytes(const ColorScheme &scheme);
void writeOptionsFile(const QString &path, const ColorScheme &scheme);

// The scheme of the file with components clamped to 0..255; when the file is missing or
// malformed, the standard scheme, which is then written to the file (a failure to write it is
// ignored).
ColorScheme loadColorScheme(const QString &path);
// What every window uses: loadColorScheme(optionsFilePath()), except that an installed
// program whose user has saved no colours yet uses the delivered option.dat (or the standard
// scheme) and writes nothing.
ColorScheme loadColorScheme();
// What the options dialog saves: the user's option.dat; installed, its folder is made when
// missing.
void saveColorScheme(const ColorScheme &scheme);

} // namespace soccer
