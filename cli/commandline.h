#pragma once

#include "core/league/league.h"
#include "core/publish/publishedtables.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <exception>
#include <memory>
#include <optional>

// What the subcommands of soccer-cli share: Russian help and messages, the table they read
// and the file or standard output they write.
namespace cli {

// Texts go out in UTF-8 whatever the locale; errors start with "soccer-cli: " unless plain.
void printOut(const QString &text);
void printError(const QString &message, bool prefixed = true);

// The closing lines of every help text: what the exit codes mean.
QString exitCodesHelp();

// One subcommand's options with Russian help: Qt's own --help describes itself in English.
class CommandLine {
  public:
    // `files` names the positional arguments in order, for the message when one is missing:
    // by default one, the table.
    CommandLine(QString usage, QString description, QList<QCommandLineOption> options,
                QStringList files = {QStringLiteral("файл таблицы")});

    // Parses `arguments` (the program's name first). Returns an exit code when the command is
    // done already: Done after the help was printed, BadArguments after a message saying what
    // is wrong. Otherwise the options are ready and there is exactly one positional argument
    // for each of `files`, the table first.
    std::optional<int> parse(const QStringList &arguments);
    // Parses without a word to the user: false when the arguments do not parse.
    bool parseSilently(const QStringList &arguments) { return parser_.parse(arguments); }

    const QCommandLineParser &parser() const { return parser_; }
    QString tablePath() const { return parser_.positionalArguments().value(0); }
    QString positional(int index) const { return parser_.positionalArguments().value(index); }
    QString helpText() const;

  private:
    QString parseErrorText() const;

    QString usage_;
    QString description_;
    QList<QCommandLineOption> options_;
    QStringList files_;
    QCommandLineOption help_;
    QCommandLineParser parser_;
};

// The --table option's values: results, cross1, cross2.
QCommandLineOption tableOption();
std::optional<soccer::PublishedTableKind> tableKindOf(const QString &name);
// Reads --table when given; false (after a message) for a value that names no table.
bool readTableChoice(const QCommandLineParser &parser,
                     std::optional<soccer::PublishedTableKind> &choice);

// The --rule option: a preset's key or "custom:" and criteria keys joined by '+'.
QCommandLineOption ruleOption();
// The part of the help and of the message for a wrong name that lists the valid names.
QString ruleNamesText();
// Reads --rule when given; false (after a message listing the valid names) for a name that
// names no rule.
bool readRuleChoice(const QCommandLineParser &parser, std::optional<soccer::RankingRule> &choice);

// The --points option: "W-D-L", the points of a win, a draw and a loss.
QCommandLineOption pointsOption(const QString &description);
// --points of show and export: the points for this look only.
QCommandLineOption lookPointsOption();
// Reads --points when given; false (after a message saying what is wrong) for a text that is
// not three whole numbers or a scheme no competition can have.
bool readPointsChoice(const QCommandLineParser &parser,
                      std::optional<soccer::PointsScheme> &choice);

// The table file, its path kept for the title; nullptr, with the message in `problem`, when it
// cannot be read. Says nothing to the user.
std::unique_ptr<soccer::League> loadLeague(const QString &path, QString &problem);
// The message when a file cannot be written: "файл не записан: Ошибка № 76: ...".
QString notWrittenMessage(const std::exception &error);

// The table file, its path kept for the title and, when `rule` is given, ranked by that rule
// instead of its own, and when `points` are given, counted under them (the file itself is not
// changed); nullptr after a message when it cannot be read.
std::unique_ptr<soccer::League> readLeague(const QString &path,
                                           const std::optional<soccer::RankingRule> &rule = {},
                                           const std::optional<soccer::PointsScheme> &points = {});

// Writes to the file (replacing it only when complete) or, for an empty path or "-", to the
// standard output. Returns Done or OutputNotWritten after a message with the reason.
int writeOutput(const QString &path, const QByteArray &bytes);

} // namespace cli
