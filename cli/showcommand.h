#pragma once

#include <QStringList>

namespace cli {

// soccer-cli show TABLE.TFL [--table results|cross1|cross2] [--round K]
int runShow(const QStringList &arguments);

} // namespace cli
