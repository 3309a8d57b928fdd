#include "cli/importcommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "cli/importresults.h"

namespace cli {

namespace {

constexpr int kFewestTeams = 4;

CommandLine importCommandLine() {
    return CommandLine(
        QStringLiteral("soccer-cli import ТАБЛИЦА.TFL РЕЗУЛЬТАТЫ.csv|json [--new N] [--rename] "
                       "[--take-file] [--skip-bad] [-o ФАЙЛ.TFL]"),
        QStringLiteral(
            "Вносит в таблицу результаты матчей из файла CSV (хозяева, гости, голы хозяев,\n"
            "голы гостей; разделитель «,», «;» или табуляция) или JSON в формате openfootball,\n"
            "в UTF-8 или Windows-1251, и печатает отчёт: сколько результатов в какую шахматную\n"
            "таблицу вносится, расхождения с таблицей и негодные строки с номером и причиной.\n"
            "Первая встреча пары идёт в шахматную таблицу (1), вторая — в (2); команда строки —\n"
            "хозяева. Если отвергнута хоть одна строка, без --skip-bad ничего не записывается.\n"
            "Таблицу с названиями команд по умолчанию называют по файлу, если команд столько\n"
            "же. Таблица записывается целиком: при ошибке прежний файл остаётся как был.\n"
            "Код 2 — и когда файл результатов не годится или строка отвергнута без --skip-bad."),
        {QCommandLineOption(QStringLiteral("new"),
                            QStringLiteral("создать новую таблицу на N команд (от 4 до 99) с "
                                           "командами файла вместо прежней; файла ТАБЛИЦА.TFL "
                                           "может ещё не быть"),
                            QStringLiteral("N")),
         QCommandLineOption(QStringLiteral("rename"),
                            QStringLiteral("назвать команды таблицы по файлу, в порядке первого "
                                           "появления (команд должно быть столько же)")),
         QCommandLineOption(QStringLiteral("take-file"),
                            QStringLiteral("при расхождении записать счёт файла; без него "
                                           "остаётся счёт таблицы")),
         QCommandLineOption(QStringLiteral("skip-bad"),
                            QStringLiteral("внести годные строки, даже если другие отвергнуты")),
         QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("записать таблицу в этот файл, а не поверх "
                                           "ТАБЛИЦА.TFL"),
                            QStringLiteral("ФАЙЛ.TFL"))},
        {QStringLiteral("файл таблицы"), QStringLiteral("файл результатов")});
}

// --new N: a number of teams a table can have; nullopt after a message otherwise.
std::optional<int> newTeamCountOf(const QCommandLineParser &parser) {
    if (!parser.isSet(QStringLiteral("new")))
        return 0;
    const QString text = parser.value(QStringLiteral("new"));
    bool number = false;
    const int count = text.toInt(&number);
    if (number && count >= kFewestTeams && count <= soccer::kMaxTeams)
        return count;
    printError(QStringLiteral("--new: нужно число команд от %1 до %2, а не «%3»")
                   .arg(kFewestTeams)
                   .arg(soccer::kMaxTeams)
                   .arg(text));
    return std::nullopt;
}

// The options as a request; nullopt after a message when they do not make one.
std::optional<ImportRequest> requestOf(const CommandLine &commandLine) {
    const QCommandLineParser &parser = commandLine.parser();
    const std::optional<int> newTeamCount = newTeamCountOf(parser);
    if (!newTeamCount)
        return std::nullopt;
    ImportRequest request;
    request.tablePath = commandLine.positional(0);
    request.resultsPath = commandLine.positional(1);
    request.outputPath = parser.value(QStringLiteral("output"));
    request.newTeamCount = *newTeamCount;
    request.rename = parser.isSet(QStringLiteral("rename"));
    request.skipBad = parser.isSet(QStringLiteral("skip-bad"));
    if (parser.isSet(QStringLiteral("take-file")))
        request.conflicts = soccer::ConflictChoice::TakeFile;
    if (request.rename && request.newTeamCount > 0) {
        printError(QStringLiteral("--rename и --new не указываются вместе: новая таблица и так "
                                  "названа по файлу"));
        return std::nullopt;
    }
    if (request.outputPath == QLatin1String("-") ||
        (parser.isSet(QStringLiteral("output")) && request.outputPath.isEmpty())) {
        printError(QStringLiteral("таблица не выводится на стандартный вывод: укажите файл, "
                                  "-o ФАЙЛ.TFL"));
        return std::nullopt;
    }
    return request;
}

} // namespace

int runImport(const QStringList &arguments) {
    CommandLine commandLine = importCommandLine();
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    const std::optional<ImportRequest> request = requestOf(commandLine);
    if (!request)
        return BadArguments;
    const ImportOutcome outcome = importResults(*request);
    printOut(outcome.report);
    if (!outcome.error.isEmpty())
        printError(outcome.error);
    return outcome.exitCode;
}

} // namespace cli
