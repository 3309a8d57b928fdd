#include "cli/subcommands.h"

#include "cli/calendarcommand.h"
#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "cli/exportcommand.h"
#include "cli/importcommand.h"
#include "cli/rulescommand.h"
#include "cli/showcommand.h"

namespace cli {

namespace {

QString generalHelp() {
    QString text = QStringLiteral("Использование: soccer-cli КОМАНДА ...\n\n"
                                  "Таблицы сезона из файла таблицы (.TFL) для печати, сайта и "
                                  "электронных таблиц;\nрезультаты матчей из файлов CSV и JSON "
                                  "в таблицу.\n\nКоманды:\n");
    for (const Subcommand &command : subcommands()) {
        text += QStringLiteral("  soccer-cli %1 %2\n      %3\n")
                    .arg(command.name, command.synopsis, command.summary);
    }
    text += QStringLiteral("\n  soccer-cli КОМАНДА --help   справка по команде\n"
                           "  soccer-cli --help           эта справка\n"
                           "  soccer-cli --version        версия программы\n\n") +
            exitCodesHelp();
    return text;
}

} // namespace

const std::vector<Subcommand> &subcommands() {
    static const std::vector<Subcommand> table = {
        {QStringLiteral("export"), QStringLiteral("выгрузить таблицы в HTML, CSV или PDF"),
         QStringLiteral("ТАБЛИЦА.TFL --format html|csv|pdf [--table results|cross1|cross2] "
                        "[--rule ПРАВИЛО] [--points В-Н-П] [-o ФАЙЛ]"),
         exportPaints, runExport},
        {QStringLiteral("show"), QStringLiteral("показать таблицу результатов в терминале"),
         QStringLiteral("ТАБЛИЦА.TFL [--table results|cross1|cross2] [--rule ПРАВИЛО] [--points "
                        "В-Н-П] [--round K]"),
         nullptr, runShow},
        {QStringLiteral("import"),
         QStringLiteral("внести результаты матчей из файла CSV или JSON в таблицу"),
         QStringLiteral("ТАБЛИЦА.TFL РЕЗУЛЬТАТЫ.csv|json [--new N] [--rename] [--take-file] "
                        "[--skip-bad] [-o ФАЙЛ.TFL]"),
         nullptr, runImport},
        {QStringLiteral("calendar"),
         QStringLiteral("составить календарь сезона или вывести его (текст, HTML, CSV, iCalendar, "
                        "PDF)"),
         QStringLiteral("ТАБЛИЦА.TFL --draw [--start ДАТА] [--every ДНИ] [--shuffle ЧИСЛО] -o "
                        "ФАЙЛ.TFL | --format text|html|csv|ics|pdf [-o ФАЙЛ]"),
         calendarPaints, runCalendar},
        {QStringLiteral("rules"),
         QStringLiteral("записать правила турнира: очки за результат, снятие очков, снятие "
                        "команды"),
         QStringLiteral("ТАБЛИЦА.TFL [--deduct \"КОМАНДА=-3:причина\"]... [--withdraw "
                        "\"КОМАНДА=annul|technical|regulations\"]... [--points В-Н-П] -o ФАЙЛ.TFL"),
         nullptr, runRules},
    };
    return table;
}

QStringList subcommandArguments(const QStringList &commandLine) {
    QStringList arguments = commandLine.mid(2);
    arguments.prepend(commandLine.value(0) + QLatin1Char(' ') + commandLine.value(1));
    return arguments;
}

const Subcommand *findSubcommand(const QString &name) {
    for (const Subcommand &command : subcommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

int runCommandLine(const QStringList &arguments) {
    const QString first = arguments.value(1);
    if (first.isEmpty()) {
        printError(QStringLiteral("не указана команда"));
        printError(generalHelp(), false);
        return BadArguments;
    }
    if (first == QLatin1String("-h") || first == QLatin1String("--help") ||
        first == QLatin1String("help")) {
        printOut(generalHelp());
        return Done;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        printOut(QStringLiteral("soccer-cli " SOCCER_VERSION "\n"));
        return Done;
    }
    const Subcommand *command = findSubcommand(first);
    if (command == nullptr) {
        printError(QStringLiteral("неизвестная команда «%1»; список команд: soccer-cli --help")
                       .arg(first));
        return BadArguments;
    }
    return command->run(subcommandArguments(arguments));
}

} // namespace cli
