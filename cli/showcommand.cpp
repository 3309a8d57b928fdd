#include "cli/showcommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "cli/seasonoptions.h"
#include "core/publish/terminaltable.h"
#include "core/season/roundtext.h"

#include <QDate>

namespace cli {

namespace {

QCommandLineOption roundOption() {
    return QCommandLineOption(QStringLiteral("round"),
                              QStringLiteral("матчи и результаты тура K по календарю таблицы"),
                              QStringLiteral("K"));
}

int showRound(const QString &roundText, const soccer::League &league) {
    const int rounds = soccer::roundCount(league.calendar);
    if (rounds == 0) {
        printError(QStringLiteral("в таблице нет календаря: составьте его, calendar --draw"));
        return BadArguments;
    }
    bool ok = false;
    const int round = roundText.toInt(&ok);
    if (!ok || round < 1 || round > rounds) {
        printError(QStringLiteral("тура «%1» нет: в календаре туры от 1 до %2")
                       .arg(roundText)
                       .arg(rounds));
        return BadArguments;
    }
    const QStringList lines = soccer::roundLines(league, soccer::seasonMatches(league), round);
    return writeOutput(QString(), (lines.join(u'\n') + u'\n').toUtf8());
}

} // namespace

int runShow(const QStringList &arguments) {
    CommandLine commandLine(
        QStringLiteral("soccer-cli show ТАБЛИЦА.TFL [--table results|cross1|cross2] "
                       "[--rule ПРАВИЛО] [--points В-Н-П] [--round K]\n    ") +
            seasonUsage(),
        QStringLiteral(
            "Печатает таблицу результатов в порядке мест (или шахматную таблицу) "
            "текстом\nдля терминала, в UTF-8, столбцы выровнены. С --rule места "
            "считаются по выбранному\nправилу; при любом правиле, кроме program, "
            "столбец «Основание» говорит,\nчто ставит команду выше следующей. "
            "С --round — матчи и результаты одного тура.\nС --after-round или --date — таблица "
            "результатов на то время, с --home или --away —\nтолько домашние или "
            "гостевые матчи."),
        QList<QCommandLineOption>{tableOption(), ruleOption(), lookPointsOption(), roundOption()} +
            seasonOptions());
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    std::optional<soccer::PublishedTableKind> table = soccer::PublishedTableKind::Results;
    std::optional<soccer::RankingRule> rule;
    std::optional<soccer::PointsScheme> points;
    if (!readTableChoice(commandLine.parser(), table) ||
        !readRuleChoice(commandLine.parser(), rule) ||
        !readPointsChoice(commandLine.parser(), points))
        return BadArguments;
    const auto league = readLeague(commandLine.tablePath(), rule, points);
    if (!league)
        return TableUnreadable;
    if (commandLine.parser().isSet(QStringLiteral("round")))
        return showRound(commandLine.parser().value(QStringLiteral("round")), *league);
    soccer::SeasonPublishing season;
    if (!readSeasonChoice(commandLine.parser(), *league, season))
        return BadArguments;
    const soccer::Publication publication =
        soccer::seasonPublication(*league, {*table}, QDate::currentDate(), season);
    return writeOutput(QString(), soccer::terminalText(publication).toUtf8());
}

} // namespace cli
