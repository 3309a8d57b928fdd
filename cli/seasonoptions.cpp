#include "cli/seasonoptions.h"

#include "cli/commandline.h"

namespace cli {

namespace {

bool isSet(const QCommandLineParser &parser, const char *name) {
    return parser.isSet(QLatin1String(name));
}

bool bothSet(const QCommandLineParser &parser, const char *a, const char *b) {
    if (!isSet(parser, a) || !isSet(parser, b))
        return false;
    printError(QStringLiteral("--%1 и --%2 вместе не указываются: выберите одно")
                   .arg(QLatin1String(a), QLatin1String(b)));
    return true;
}

bool readRound(const QString &text, const soccer::League &league, int &round) {
    const int rounds = soccer::roundCount(league.calendar);
    if (rounds == 0) {
        printError(QStringLiteral("в таблице нет календаря: составьте его, calendar --draw"));
        return false;
    }
    bool ok = false;
    round = text.toInt(&ok);
    if (ok && round >= 1 && round <= rounds)
        return true;
    printError(QStringLiteral("тура «%1» нет: в календаре туры от 1 до %2").arg(text).arg(rounds));
    return false;
}

bool readDate(const QString &text, QDate &date) {
    date = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        printError(QStringLiteral("«%1» — не дата: нужна ДД.ММ.ГГГГ или ГГГГ-ММ-ДД").arg(text));
    return date.isValid();
}

soccer::MatchSide sideOf(const QCommandLineParser &parser) {
    if (isSet(parser, "home"))
        return soccer::MatchSide::Home;
    return isSet(parser, "away") ? soccer::MatchSide::Away : soccer::MatchSide::All;
}

} // namespace

QList<QCommandLineOption> seasonOptions() {
    return {
        QCommandLineOption(QStringLiteral("after-round"),
                           QStringLiteral("таблица после тура K по календарю, со столбцом «±»"),
                           QStringLiteral("K")),
        QCommandLineOption(QStringLiteral("date"),
                           QStringLiteral("таблица по матчам до даты Д включительно "
                                          "(ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)"),
                           QStringLiteral("Д")),
        QCommandLineOption(QStringLiteral("home"), QStringLiteral("только домашние матчи")),
        QCommandLineOption(QStringLiteral("away"), QStringLiteral("только матчи в гостях")),
        QCommandLineOption(QStringLiteral("form"),
                           QStringLiteral("столбец «Последние 5»: В, Н, П по турам")),
        QCommandLineOption(QStringLiteral("places"),
                           QStringLiteral("столбец «Места»: лучшее и худшее место, которые ещё "
                                          "возможны (* — границы не окончательные)")),
    };
}

QString seasonUsage() {
    return QStringLiteral("[--after-round K | --date Д] [--home | --away] [--form] [--places]");
}

bool readSeasonChoice(const QCommandLineParser &parser, const soccer::League &league,
                      soccer::SeasonPublishing &season) {
    if (bothSet(parser, "after-round", "date") || bothSet(parser, "home", "away"))
        return false;
    if (isSet(parser, "after-round") &&
        !readRound(parser.value(QStringLiteral("after-round")), league, season.view.afterRound))
        return false;
    if (isSet(parser, "date") &&
        !readDate(parser.value(QStringLiteral("date")), season.view.upToDate))
        return false;
    season.view.side = sideOf(parser);
    season.columns.movement = season.view.afterRound > 0;
    season.columns.form = isSet(parser, "form");
    season.columns.places = isSet(parser, "places");
    return true;
}

} // namespace cli
