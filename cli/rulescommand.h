#pragma once

#include <QStringList>

namespace cli {

// soccer-cli rules TABLE [--deduct "TEAM=-3:reason"]... [--withdraw "TEAM=annul|technical"]...
// [--points W-D-L] -o OUT: the competition's rules set from a script. Returns the exit code.
int runRules(const QStringList &arguments);

} // namespace cli
