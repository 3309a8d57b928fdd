#pragma once

#include "core/import/importedfile.h"

#include <QByteArray>
#include <QString>

namespace soccer {

// A result file larger than this is refused before it is read: a season of the largest table
// as CSV is well under 1 MB.
constexpr qint64 kImportSizeLimit = 16 * 1024 * 1024;

// Reads a result file: the encoding is detected (decodeText), a text that starts with '{' or
// '[' is JSON (readJsonMatches), anything else CSV (readCsvMatches). Never throws: a file that
// cannot be used at all says why in ImportedFile::problem.
ImportedFile readImportBytes(const QByteArray &bytes);
ImportedFile readImportFile(const QString &path);

} // namespace soccer
