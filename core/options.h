#pragma once

#include "core/league.h"

#include <QByteArray>
#include <QString>

namespace soccer {

// The folder the program is delivered in: option.dat and new tables live there. It is the
// folder of the executable unless set otherwise (tests use their own folder).
QString programFolder();
void setProgramFolder(const QString &folder);
QString optionsFilePath(); // programFolder() + "/option.dat"

// Three lines of red, green and blue. Failures are CoreError (62 a short file, 13 a value that
// is not a number). Components are rounded to whole numbers and kept as read.
ColorScheme parseOptions(const QByteArray &bytes);
ColorScheme readOptionsFile(const QString &path);

// ' 150  150  150 ' CR LF ' 200  200  200 ' CR LF ' 0  0  0 ' CR LF for the standard scheme.
QByteArray optionsBytes(const ColorScheme &scheme);
void writeOptionsFile(const QString &path, const ColorScheme &scheme);

// What every window uses: the scheme of the file with components clamped to 0..255; when the
// file is missing or malformed, the standard scheme, which is then written to the file (a
// failure to write it is ignored).
ColorScheme loadColorScheme(const QString &path = optionsFilePath());

} // namespace soccer
