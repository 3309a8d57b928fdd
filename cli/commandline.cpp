#include "cli/commandline.h"

#include "cli/exitcodes.h"
#include "core/competition/matchcount.h"
#include "core/files/tablefile.h"
#include "core/files/wholefile.h"
#include "core/league/errors.h"
#include "core/ranking/rankingrule.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace cli {

namespace {

void writeTo(FILE *stream, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString dashed(const QString &name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString optionNames(const QCommandLineOption &option) {
    QStringList names;
    for (const QString &name : option.names())
        names.append(dashed(name));
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <") + option.valueName() + QLatin1Char('>');
    return text;
}

constexpr int kHelpWidth = 80;

// Words of `text` in lines of at most kHelpWidth columns; lines after the first start at
// column `indent`, which the caller's first line has already reached.
QString wrapped(const QString &text, int indent) {
    QString out;
    int column = indent;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > kHelpWidth) {
            out += u'\n' + QString(indent, u' ');
            column = indent;
        } else if (column > indent) {
            out += u' ';
            ++column;
        }
        out += word;
        column += int(word.size());
    }
    return out;
}

QString messageOf(const std::exception &error) {
    return QString::fromUtf8(error.what());
}

} // namespace

void printOut(const QString &text) {
    writeTo(stdout, text);
}

void printError(const QString &message, bool prefixed) {
    writeTo(stderr, prefixed ? QStringLiteral("soccer-cli: ") + message + u'\n' : message);
}

QString exitCodesHelp() {
    return QStringLiteral("Коды завершения: 0 готово, 1 неверные параметры, 2 таблица не "
                          "прочитана, 3 результат не записан.\n");
}

CommandLine::CommandLine(QString usage, QString description, QList<QCommandLineOption> options,
                         QStringList files)
    : usage_(std::move(usage)), description_(std::move(description)), options_(std::move(options)),
      files_(std::move(files)),
      help_({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("показать эту справку")) {
    options_.append(help_);
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOptions(options_);
}

QString CommandLine::helpText() const {
    int width = 0;
    for (const QCommandLineOption &option : options_)
        width = std::max(width, int(optionNames(option).size()));
    QString text = QStringLiteral("Использование: ") + usage_ + QStringLiteral("\n\n") +
                   description_ + QStringLiteral("\n\nПараметры:\n");
    for (const QCommandLineOption &option : options_) {
        text += QStringLiteral("  ") + optionNames(option).leftJustified(width) +
                QStringLiteral("  ") + wrapped(option.description(), width + 4) + u'\n';
    }
    return text + u'\n' + exitCodesHelp();
}

// Qt's parser explains its errors in English; the names it quotes are put into Russian ones.
QString CommandLine::parseErrorText() const {
    const QStringList unknown = parser_.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("неизвестный параметр «%1»").arg(dashed(unknown.front()));
    const QString english = parser_.errorText();
    const QRegularExpressionMatch quoted =
        QRegularExpression(QStringLiteral("'([^']*)'")).match(english);
    const QString name = quoted.hasMatch() ? quoted.captured(1) : QString();
    if (english.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("после «%1» нужно значение").arg(name);
    if (english.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("у «%1» не бывает значения").arg(name);
    return QStringLiteral("неверно записаны параметры");
}

std::optional<int> CommandLine::parse(const QStringList &arguments) {
    const bool parsed = parser_.parse(arguments);
    if (parsed && parser_.isSet(help_)) {
        printOut(helpText());
        return Done;
    }
    QString problem;
    const QStringList positional = parser_.positionalArguments();
    if (!parsed)
        problem = parseErrorText();
    else if (positional.size() < files_.size())
        problem = QStringLiteral("не указан ") + files_.at(positional.size());
    else if (positional.size() > files_.size())
        problem = QStringLiteral("лишний аргумент «%1»").arg(positional.at(files_.size()));
    else
        return std::nullopt;
    printError(problem + QStringLiteral(" (справка: --help)"));
    return BadArguments;
}

QCommandLineOption tableOption() {
    return QCommandLineOption({QStringLiteral("t"), QStringLiteral("table")},
                              QStringLiteral("таблица: results (таблица результатов), cross1 и "
                                             "cross2 (шахматные таблицы 1 и 2)"),
                              QStringLiteral("ТАБЛИЦА"));
}

std::optional<soccer::PublishedTableKind> tableKindOf(const QString &name) {
    using Kind = soccer::PublishedTableKind;
    if (name == QLatin1String("results"))
        return Kind::Results;
    if (name == QLatin1String("cross1"))
        return Kind::FirstHalf;
    if (name == QLatin1String("cross2"))
        return Kind::SecondHalf;
    return std::nullopt;
}

bool readTableChoice(const QCommandLineParser &parser,
                     std::optional<soccer::PublishedTableKind> &choice) {
    if (!parser.isSet(QStringLiteral("table")))
        return true;
    const QString name = parser.value(QStringLiteral("table"));
    choice = tableKindOf(name);
    if (!choice)
        printError(
            QStringLiteral("неизвестная таблица «%1»: нужна results, cross1 или cross2").arg(name));
    return choice.has_value();
}

QCommandLineOption ruleOption() {
    return QCommandLineOption({QStringLiteral("r"), QStringLiteral("rule")},
                              QStringLiteral("правило мест вместо записанного в таблице: ") +
                                  ruleNamesText(),
                              QStringLiteral("ПРАВИЛО"));
}

QString ruleNamesText() {
    QStringList presets;
    for (soccer::RulePreset preset : soccer::kAllPresets) {
        if (preset != soccer::RulePreset::Custom)
            presets.append(soccer::presetKey(preset));
    }
    QStringList criteria;
    for (soccer::Criterion criterion : soccer::kAllCriteria)
        criteria.append(soccer::criterionKey(criterion));
    return presets.join(QStringLiteral(", ")) + QStringLiteral(" или ") +
           soccer::presetKey(soccer::RulePreset::Custom) +
           QStringLiteral(":КРИТЕРИЙ+КРИТЕРИЙ... (свой порядок после очков; критерии: ") +
           criteria.join(QStringLiteral(", ")) + u')';
}

bool readRuleChoice(const QCommandLineParser &parser, std::optional<soccer::RankingRule> &choice) {
    if (!parser.isSet(QStringLiteral("rule")))
        return true;
    const QString name = parser.value(QStringLiteral("rule"));
    choice = soccer::ruleFromKey(name);
    if (!choice)
        printError(QStringLiteral("неизвестное правило «%1»: нужно ").arg(name) + ruleNamesText());
    return choice.has_value();
}

QCommandLineOption pointsOption(const QString &description) {
    return QCommandLineOption(QStringLiteral("points"), description, QStringLiteral("В-Н-П"));
}

QCommandLineOption lookPointsOption() {
    return pointsOption(QStringLiteral("очки за победу, ничью и поражение вместо записанных в "
                                       "таблице, например 2-1-0 (файл не меняется)"));
}

bool readPointsChoice(const QCommandLineParser &parser,
                      std::optional<soccer::PointsScheme> &choice) {
    if (!parser.isSet(QStringLiteral("points")))
        return true;
    const QString text = parser.value(QStringLiteral("points"));
    choice = soccer::pointsSchemeFromKey(text);
    if (!choice) {
        printError(QStringLiteral("очки «%1» не прочитаны: нужны три целых числа через дефис, "
                                  "за победу, ничью и поражение, например 3-1-0")
                       .arg(text));
        return false;
    }
    const QString problem = soccer::pointsSchemeProblem(*choice);
    if (!problem.isEmpty())
        printError(QStringLiteral("очки «%1»: ").arg(text) + problem);
    return problem.isEmpty();
}

std::unique_ptr<soccer::League> loadLeague(const QString &path, QString &problem) {
    auto league = std::make_unique<soccer::League>();
    try {
        soccer::readTableFile(path, *league);
    } catch (const std::exception &error) {
        problem = QStringLiteral("таблица не прочитана: ") + messageOf(error);
        return nullptr;
    }
    league->tablePath = path;
    return league;
}

QString notWrittenMessage(const std::exception &error) {
    return QStringLiteral("файл не записан: ") + messageOf(error);
}

std::unique_ptr<soccer::League> readLeague(const QString &path,
                                           const std::optional<soccer::RankingRule> &rule,
                                           const std::optional<soccer::PointsScheme> &points) {
    QString problem;
    auto league = loadLeague(path, problem);
    if (!league) {
        printError(problem);
        return nullptr;
    }
    if (rule)
        league->rankingRule = *rule;
    if (points && *points != league->competition.points) {
        league->competition.points = *points;
        soccer::recountStatistics(*league);
    }
    return league;
}

int writeOutput(const QString &path, const QByteArray &bytes) {
    if (path.isEmpty() || path == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
            !out.flush()) {
            const int number = out.error() == QFileDevice::ResourceError ? soccer::ErrDiskFull
                                                                         : soccer::ErrDeviceIo;
            printError(QStringLiteral("вывод не записан: ") +
                       messageOf(soccer::CoreError(number, QStringLiteral("стандартный вывод"))));
            return OutputNotWritten;
        }
        return Done;
    }
    try {
        soccer::saveWholeFile(path, bytes);
    } catch (const std::exception &error) {
        printError(notWrittenMessage(error));
        return OutputNotWritten;
    }
    return Done;
}

} // namespace cli
