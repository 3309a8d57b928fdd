#include "cli/showcommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "core/publish/terminaltable.h"

#include <QDate>

namespace cli {

int runShow(const QStringList &arguments) {
    CommandLine commandLine(
        QStringLiteral("soccer-cli show ТАБЛИЦА.TFL [--table results|cross1|cross2] "
                       "[--rule ПРАВИЛО]"),
        QStringLiteral("Печатает таблицу результатов в порядке мест (или шахматную таблицу) "
                       "текстом\nдля терминала, в UTF-8, столбцы выровнены. С --rule места "
                       "считаются по выбранному\nправилу; при любом правиле, кроме program, "
                       "столбец «Основание» говорит,\nчто ставит команду выше следующей."),
        {tableOption(), ruleOption()});
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    std::optional<soccer::PublishedTableKind> table = soccer::PublishedTableKind::Results;
    std::optional<soccer::RankingRule> rule;
    if (!readTableChoice(commandLine.parser(), table) ||
        !readRuleChoice(commandLine.parser(), rule))
        return BadArguments;
    const auto league = readLeague(commandLine.tablePath(), rule);
    if (!league)
        return TableUnreadable;
    const soccer::Publication publication =
        soccer::publication(*league, {*table}, QDate::currentDate());
    return writeOutput(QString(), soccer::terminalText(publication).toUtf8());
}

} // namespace cli
