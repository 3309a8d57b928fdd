#include "cli/exportcommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "cli/seasonoptions.h"
#include "core/publish/placeschart.h"
#include "core/season/placeshistory.h"
#include "publish/exportfile.h"

#include <QDate>

namespace cli {

namespace {

std::optional<publish::ExportFormat> formatOf(const QString &name) {
    if (name == QLatin1String("html"))
        return publish::ExportFormat::Html;
    if (name == QLatin1String("csv"))
        return publish::ExportFormat::Csv;
    if (name == QLatin1String("pdf"))
        return publish::ExportFormat::Pdf;
    return std::nullopt;
}

bool writesToStandardOutput(const QString &output) {
    return output.isEmpty() || output == QLatin1String("-");
}

// The options as a request; nullopt after a message when they do not make one.
std::optional<publish::ExportRequest> requestOf(const QCommandLineParser &parser) {
    if (!parser.isSet(QStringLiteral("format"))) {
        printError(QStringLiteral("не указан формат: --format html, csv или pdf"));
        return std::nullopt;
    }
    const QString formatName = parser.value(QStringLiteral("format"));
    const std::optional<publish::ExportFormat> format = formatOf(formatName);
    if (!format) {
        printError(
            QStringLiteral("неизвестный формат «%1»: нужен html, csv или pdf").arg(formatName));
        return std::nullopt;
    }
    publish::ExportRequest request;
    request.format = *format;
    if (!readTableChoice(parser, request.table))
        return std::nullopt;
    if (*format == publish::ExportFormat::Pdf &&
        writesToStandardOutput(parser.value(QStringLiteral("output")))) {
        printError(QStringLiteral("PDF не выводится на стандартный вывод: укажите файл, -o ФАЙЛ"));
        return std::nullopt;
    }
    return request;
}

CommandLine exportCommandLine() {
    return CommandLine(
        QStringLiteral(
            "soccer-cli export ТАБЛИЦА.TFL --format html|csv|pdf "
            "[--table results|cross1|cross2] [--rule ПРАВИЛО] [--points В-Н-П] [-o ФАЙЛ]\n    ") +
            seasonUsage(),
        QStringLiteral(
            "Выгружает таблицы сезона: таблицу результатов в порядке мест и обе шахматные "
            "таблицы,\nпод названием файла таблицы и датой публикации. HTML и PDF содержат все "
            "три таблицы,\nесли --table не выбирает одну; CSV — всегда одну таблицу, по "
            "умолчанию таблицу результатов.\nБез -o HTML и CSV выводятся на стандартный вывод; "
            "PDF требует -o. Файл заменяется\nтолько целиком: при ошибке прежний файл остаётся "
            "как был.\nС --rule места считаются по выбранному правилу, а не по записанному в "
            "таблице;\n"
            "при любом правиле, кроме program, у таблицы результатов есть столбец «Основание».\n"
            "С --after-round или --date таблица результатов — на то время; столбцы «±», «Последние "
            "5»\nи «Места» — только когда их просят.\nС --chart вместо таблиц выгружается "
            "график мест по турам, картинка SVG."),
        QList<QCommandLineOption>{
            QCommandLineOption({QStringLiteral("f"), QStringLiteral("format")},
                               QStringLiteral("формат: html (веб-страница), csv (для электронных "
                                              "таблиц: UTF-8, «;»), pdf (A4)"),
                               QStringLiteral("ФОРМАТ")),
            tableOption(), ruleOption(), lookPointsOption(),
            QCommandLineOption(QStringLiteral("chart"),
                               QStringLiteral("график мест по турам (SVG) вместо таблиц")),
            QCommandLineOption(
                {QStringLiteral("o"), QStringLiteral("output")},
                QStringLiteral("файл результата; «-» или без -o — стандартный вывод"),
                QStringLiteral("ФАЙЛ"))} +
            seasonOptions());
}

// The chart of places after each round, under the table's rule or the one asked for.
int runChart(CommandLine &commandLine) {
    std::optional<soccer::RankingRule> rule;
    std::optional<soccer::PointsScheme> points;
    if (!readRuleChoice(commandLine.parser(), rule) ||
        !readPointsChoice(commandLine.parser(), points))
        return BadArguments;
    const auto league = readLeague(commandLine.tablePath(), rule, points);
    if (!league)
        return TableUnreadable;
    const QString svg = soccer::placesChartSvg(league->teamNames, soccer::placesHistory(*league));
    if (svg.isEmpty()) {
        printError(QStringLiteral("графика мест нет: в таблице нет календаря с сыгранными турами"));
        return BadArguments;
    }
    return writeOutput(commandLine.parser().value(QStringLiteral("output")), svg.toUtf8());
}

} // namespace

bool exportPaints(const QStringList &arguments) {
    CommandLine commandLine = exportCommandLine();
    const QCommandLineParser &parser = commandLine.parser();
    return commandLine.parseSilently(arguments) &&
           parser.value(QStringLiteral("format")) == QLatin1String("pdf") &&
           !writesToStandardOutput(parser.value(QStringLiteral("output")));
}

int runExport(const QStringList &arguments) {
    CommandLine commandLine = exportCommandLine();
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    if (commandLine.parser().isSet(QStringLiteral("chart")))
        return runChart(commandLine);
    const std::optional<publish::ExportRequest> request = requestOf(commandLine.parser());
    std::optional<soccer::RankingRule> rule;
    std::optional<soccer::PointsScheme> points;
    if (!request || !readRuleChoice(commandLine.parser(), rule) ||
        !readPointsChoice(commandLine.parser(), points))
        return BadArguments;
    const auto league = readLeague(commandLine.tablePath(), rule, points);
    if (!league)
        return TableUnreadable;
    publish::ExportRequest seasonRequest = *request;
    if (!readSeasonChoice(commandLine.parser(), *league, seasonRequest.season))
        return BadArguments;
    const QByteArray bytes = publish::exportBytes(*league, seasonRequest, QDate::currentDate());
    if (bytes.isEmpty()) {
        printError(QStringLiteral("документ PDF не создан"));
        return OutputNotWritten;
    }
    return writeOutput(commandLine.parser().value(QStringLiteral("output")), bytes);
}

} // namespace cli
