#include "cli/rulescommand.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "core/competition/matchcount.h"
#include "core/competition/withdrawal.h"
#include "core/files/tablefile.h"
#include "core/import/importnames.h"

#include <QStringView>

namespace cli {

namespace {

CommandLine rulesCommandLine() {
    return CommandLine(
        QStringLiteral("soccer-cli rules ТАБЛИЦА.TFL [--deduct \"КОМАНДА=-3:причина\"]... "
                       "[--withdraw \"КОМАНДА=annul|technical|regulations\"]... "
                       "[--points В-Н-П] -o ФАЙЛ.TFL"),
        QStringLiteral(
            "Записывает в таблицу правила турнира: очки за победу, ничью и поражение,\n"
            "снятие (или начисление) очков команде и снятие команды с турнира. Команда\n"
            "указывается номером или названием. При любой ошибке ничего не записывается."),
        {QCommandLineOption(QStringLiteral("deduct"),
                            QStringLiteral("очки команде: целое число, с минусом снятие, затем "
                                           "после двоеточия причина; можно несколько раз"),
                            QStringLiteral("КОМАНДА=ОЧКИ:ПРИЧИНА")),
         QCommandLineOption(QStringLiteral("withdraw"),
                            QStringLiteral("команда снялась: annul (результаты аннулированы), "
                                           "technical (оставшиеся матчи — технические "
                                           "поражения) или regulations (по регламенту)"),
                            QStringLiteral("КОМАНДА=КАК")),
         pointsOption(QStringLiteral("очки за победу, ничью и поражение, например 2-1-0")),
         QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("файл таблицы, который записать"),
                            QStringLiteral("ФАЙЛ.TFL"))});
}

// A team by its number or its name (compared as an import compares them); 0 after a message.
int teamOf(const soccer::League &league, const QString &text) {
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber && number >= 1 && number <= league.teamCount)
        return number;
    for (int t = 1; !isNumber && t <= league.teamCount; ++t) {
        if (soccer::teamKey(league.teamNames[t]) == soccer::teamKey(text))
            return t;
    }
    printError(QStringLiteral("команды «%1» нет в таблице").arg(text));
    return 0;
}

// "TEAM=VALUE" split at the first '='; false after a message when there is none.
bool splitAssignment(const QString &text, const QString &option, QString &team, QString &value) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        printError(QStringLiteral("--%1 «%2»: нужно КОМАНДА=ЗНАЧЕНИЕ").arg(option, text));
        return false;
    }
    team = text.left(equals);
    value = text.mid(equals + 1);
    return true;
}

bool addDeduction(soccer::League &league, const QString &text) {
    QString team;
    QString value;
    if (!splitAssignment(text, QStringLiteral("deduct"), team, value))
        return false;
    soccer::PointsAdjustment adjustment;
    adjustment.team = teamOf(league, team);
    if (adjustment.team == 0)
        return false;
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    bool whole = false;
    adjustment.points = value.left(colon).trimmed().toInt(&whole);
    adjustment.reason = colon < 0 ? QString() : value.mid(colon + 1).trimmed();
    QString problem = whole ? soccer::adjustmentProblem(adjustment, league.teamCount)
                            : QStringLiteral("очки должны быть целым числом, например -3");
    if (!problem.isEmpty()) {
        printError(QStringLiteral("--deduct «%1»: ").arg(text) + problem);
        return false;
    }
    league.competition.adjustments.push_back(adjustment);
    return true;
}

std::optional<soccer::WithdrawalChoice> withdrawalChoiceOf(const QString &name) {
    if (name == QLatin1String("annul"))
        return soccer::WithdrawalChoice::Annul;
    if (name == QLatin1String("technical"))
        return soccer::WithdrawalChoice::TechnicalDefeats;
    if (name == QLatin1String("regulations"))
        return soccer::WithdrawalChoice::ByRegulations;
    return std::nullopt;
}

bool addWithdrawal(soccer::League &league, const QString &text) {
    QString team;
    QString value;
    if (!splitAssignment(text, QStringLiteral("withdraw"), team, value))
        return false;
    const int number = teamOf(league, team);
    if (number == 0)
        return false;
    const std::optional<soccer::WithdrawalChoice> choice = withdrawalChoiceOf(value.trimmed());
    if (!choice) {
        printError(
            QStringLiteral("--withdraw «%1»: нужно annul, technical или regulations").arg(text));
        return false;
    }
    if (!soccer::withdrawTeam(league, number, *choice)) {
        printError(QStringLiteral("--withdraw «%1»: команда уже снялась").arg(text));
        return false;
    }
    return true;
}

// Every option applied to the table in memory; false after the first message.
bool applyOptions(const QCommandLineParser &parser, soccer::League &league) {
    std::optional<soccer::PointsScheme> points;
    if (!readPointsChoice(parser, points))
        return false;
    if (points && *points != league.competition.points) {
        league.competition.points = *points;
        soccer::recountStatistics(league);
    }
    for (const QString &text : parser.values(QStringLiteral("withdraw"))) {
        if (!addWithdrawal(league, text))
            return false;
    }
    for (const QString &text : parser.values(QStringLiteral("deduct"))) {
        if (!addDeduction(league, text))
            return false;
    }
    return true;
}

} // namespace

int runRules(const QStringList &arguments) {
    CommandLine commandLine = rulesCommandLine();
    if (const std::optional<int> finished = commandLine.parse(arguments))
        return *finished;
    const QString output = commandLine.parser().value(QStringLiteral("output"));
    if (output.isEmpty() || output == QLatin1String("-")) {
        printError(QStringLiteral("таблица с правилами пишется в файл: укажите -o ФАЙЛ.TFL"));
        return BadArguments;
    }
    const auto league = readLeague(commandLine.tablePath());
    if (!league)
        return TableUnreadable;
    if (!applyOptions(commandLine.parser(), *league))
        return BadArguments;
    try {
        soccer::writeTableFile(output, *league);
    } catch (const std::exception &error) {
        printError(notWrittenMessage(error));
        return OutputNotWritten;
    }
    return Done;
}

} // namespace cli
