#pragma once

#include "core/publish/publishedseason.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

namespace cli {

// --after-round K | --date D, --home | --away, --form, --places: the results table over time.
QList<QCommandLineOption> seasonOptions();
// The usage part of these options.
QString seasonUsage();

// The options as the table's season publishing; false after a message when a value is wrong
// or the table has no calendar for a round. A round shown gets its movement column.
bool readSeasonChoice(const QCommandLineParser &parser, const soccer::League &league,
                      soccer::SeasonPublishing &season);

} // namespace cli
