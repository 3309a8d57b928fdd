#pragma once

#include <QStringList>

namespace cli {

// soccer-cli import TABLE.TFL RESULTS.csv|json [--new N] [--rename] [--take-file] [--skip-bad]
// [-o OUT.TFL]
int runImport(const QStringList &arguments);

} // namespace cli
