#pragma once

#include <QStringList>

namespace cli {

// soccer-cli export TABLE.TFL --format html|csv|pdf [--table results|cross1|cross2] [-o OUT]
int runExport(const QStringList &arguments);
// Whether these arguments ask for a PDF file, which is painted with the GUI library's fonts.
bool exportPaints(const QStringList &arguments);

} // namespace cli
