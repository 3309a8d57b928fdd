#include "cli/showcommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "core/terminaltable.h"

#include <QDate>

namespace cli {

int runShow(const QStringList &arguments) {
    CommandLine commandLine(
        QStringLiteral("soccer-cli show ТАБЛИЦА.TFL [--table results|cross1|cross2]"),
        QStringLiteral("Печатает таблицу результатов в порядке мест (или шахматную таблицу) "
                       "текстом\nдля терминала, в UTF-8, столбцы выровнены."),
        {tableOption()});
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    std::optional<soccer::PublishedTableKind> table = soccer::PublishedTableKind::Results;
    if (!readTableChoice(commandLine.parser(), table))
        return BadArguments;
    const auto league = readLeague(commandLine.tablePath());
    if (!league)
        return TableUnreadable;
    const soccer::Publication publication =
        soccer::publication(*league, {*table}, QDate::currentDate());
    return writeOutput(QString(), soccer::terminalText(publication).toUtf8());
}

} // namespace cli
