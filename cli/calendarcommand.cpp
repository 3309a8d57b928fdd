#include "cli/calendarcommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "core/files/tablefile.h"
#include "core/publish/csvtable.h"
#include "core/publish/htmlpage.h"
#include "core/publish/publishedrounds.h"
#include "core/publish/terminaltable.h"
#include "core/season/draw.h"
#include "publish/exportfile.h"
#include "publish/icalendar.h"

#include <QDateTime>

namespace cli {

namespace {

QCommandLineOption valueOption(const QString &name, const QString &help, const QString &value) {
    return QCommandLineOption(name, help, value);
}

CommandLine calendarCommandLine() {
    return CommandLine(
        QStringLiteral("soccer-cli calendar ТАБЛИЦА.TFL --draw [--start ДАТА] [--every ДНИ] "
                       "[--shuffle ЧИСЛО] -o ФАЙЛ.TFL\n"
                       "       soccer-cli calendar ТАБЛИЦА.TFL --format "
                       "text|html|csv|ics|pdf [-o ФАЙЛ]"),
        QStringLiteral(
            "С --draw составляет календарь сезона по круговой системе (таблицы Бергера) и "
            "записывает\nтаблицу с ним в ФАЙЛ.TFL; результаты остаются при своих парах. Без "
            "--start туры без дат.\nС --format выводит календарь таблицы по турам: text, html, "
            "csv (дата, тур, хозяева, гости, счёт),\npdf (требует -o) или ics — файл "
            "iCalendar: одно событие на весь день на каждый матч с датой."),
        {QCommandLineOption(QStringLiteral("draw"), QStringLiteral("составить календарь")),
         valueOption(QStringLiteral("start"),
                     QStringLiteral("дата 1-го тура: ГГГГ-ММ-ДД или ДД.ММ.ГГГГ"),
                     QStringLiteral("ДАТА")),
         valueOption(QStringLiteral("every"),
                     QStringLiteral("дней между турами (1..365), по умолчанию 7"),
                     QStringLiteral("ДНИ")),
         valueOption(QStringLiteral("shuffle"),
                     QStringLiteral("номера команд в жеребьёвке — случайно, от этого числа"),
                     QStringLiteral("ЧИСЛО")),
         valueOption(QStringLiteral("format"), QStringLiteral("формат: text, html, csv, ics, pdf"),
                     QStringLiteral("ФОРМАТ")),
         QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("файл результата; «-» или без -o — стандартный вывод"),
                            QStringLiteral("ФАЙЛ"))});
}

std::optional<QDate> dateOf(const QString &text) {
    for (const QString &format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy")}) {
        if (const QDate date = QDate::fromString(text, format); date.isValid())
            return date;
    }
    return std::nullopt;
}

// The draw's options; nullopt after a message when one of them is wrong.
std::optional<soccer::DrawOptions> drawOptionsOf(const QCommandLineParser &parser) {
    soccer::DrawOptions options;
    if (parser.isSet(QStringLiteral("start"))) {
        const auto date = dateOf(parser.value(QStringLiteral("start")));
        if (!date) {
            printError(QStringLiteral("«%1» не дата: нужна ГГГГ-ММ-ДД или ДД.ММ.ГГГГ")
                           .arg(parser.value(QStringLiteral("start"))));
            return std::nullopt;
        }
        options.firstDate = *date;
    }
    bool ok = true;
    if (parser.isSet(QStringLiteral("every")))
        options.daysBetween = parser.value(QStringLiteral("every")).toInt(&ok);
    if (!ok || options.daysBetween < 1 || options.daysBetween > 365) {
        printError(QStringLiteral("--every: нужно число дней от 1 до 365"));
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("shuffle"))) {
        options.shuffle = true;
        options.seed = parser.value(QStringLiteral("shuffle")).toUInt(&ok);
        if (!ok) {
            printError(QStringLiteral("--shuffle: нужно целое число от 0 до 4294967295"));
            return std::nullopt;
        }
    }
    return options;
}

int runDraw(const QCommandLineParser &parser, soccer::League &league) {
    const QString output = parser.value(QStringLiteral("output"));
    const auto options = drawOptionsOf(parser);
    if (!options)
        return BadArguments;
    if (output.isEmpty() || output == QLatin1String("-")) {
        printError(QStringLiteral("таблица с календарём пишется в файл: укажите -o ФАЙЛ.TFL"));
        return BadArguments;
    }
    if (league.teamCount < 2) {
        printError(QStringLiteral("для календаря нужны хотя бы две команды"));
        return BadArguments;
    }
    league.calendar = soccer::drawCalendar(league.teamCount, *options);
    try {
        soccer::writeTableFile(output, league);
    } catch (const std::exception &error) {
        printError(notWrittenMessage(error));
        return OutputNotWritten;
    }
    return Done;
}

QByteArray formatted(const QString &format, const soccer::League &league) {
    soccer::Publication publication =
        soccer::publication(league, {soccer::PublishedTableKind::Rounds}, QDate::currentDate());
    if (format == QLatin1String("text"))
        return soccer::terminalText(publication).toUtf8();
    if (format == QLatin1String("html"))
        return soccer::htmlPage(publication);
    if (format == QLatin1String("csv"))
        return soccer::csvTable(publication.tables.front());
    if (format == QLatin1String("pdf"))
        return publish::pdfBytes(publication);
    return publish::icalendarBytes(league, QDateTime::currentDateTimeUtc());
}

int runFormat(const QCommandLineParser &parser, const soccer::League &league) {
    const QString format = parser.value(QStringLiteral("format"));
    const QString output = parser.value(QStringLiteral("output"));
    static const QStringList formats = {"text", "html", "csv", "ics", "pdf"};
    if (!formats.contains(format)) {
        printError(QStringLiteral("неизвестный формат «%1»: нужен text, html, csv, ics или pdf")
                       .arg(format));
        return BadArguments;
    }
    if (format == QLatin1String("pdf") && (output.isEmpty() || output == QLatin1String("-"))) {
        printError(QStringLiteral("PDF не выводится на стандартный вывод: укажите файл, -o ФАЙЛ"));
        return BadArguments;
    }
    if (league.calendar.empty()) {
        printError(QStringLiteral("в таблице нет календаря: составьте его, calendar --draw"));
        return BadArguments;
    }
    const QByteArray bytes = formatted(format, league);
    if (bytes.isEmpty()) {
        printError(QStringLiteral("документ PDF не создан"));
        return OutputNotWritten;
    }
    return writeOutput(output, bytes);
}

} // namespace

bool calendarPaints(const QStringList &arguments) {
    CommandLine commandLine = calendarCommandLine();
    return commandLine.parseSilently(arguments) &&
           commandLine.parser().value(QStringLiteral("format")) == QLatin1String("pdf");
}

int runCalendar(const QStringList &arguments) {
    CommandLine commandLine = calendarCommandLine();
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    const QCommandLineParser &parser = commandLine.parser();
    if (parser.isSet(QStringLiteral("draw")) == parser.isSet(QStringLiteral("format"))) {
        printError(QStringLiteral("нужен ровно один из параметров --draw и --format"));
        return BadArguments;
    }
    const auto league = readLeague(commandLine.tablePath());
    if (!league)
        return TableUnreadable;
    return parser.isSet(QStringLiteral("draw")) ? runDraw(parser, *league)
                                                : runFormat(parser, *league);
}

} // namespace cli
