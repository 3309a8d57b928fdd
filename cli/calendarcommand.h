#pragma once

#include <QStringList>

namespace cli {

// soccer-cli calendar TABLE.TFL --draw [--start DATE] [--every DAYS] [--shuffle SEED] -o OUT
// soccer-cli calendar TABLE.TFL --format text|html|csv|ics|pdf [-o OUT]
int runCalendar(const QStringList &arguments);
bool calendarPaints(const QStringList &arguments);

} // namespace cli
