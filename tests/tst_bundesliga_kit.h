#pragma once

// The Bundesliga 2015/16 season, all 306 matches, replayed through score entry: shared by the
// tests that check totals and rankings against the official table.
#include "core/league/league.h"
#include "core/league/score.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace bundesliga {

// The official final table in its official order (independent of this program), played 34
// each. The league ranks by points, goal difference, goals for.
struct OfficialRow {
    const char *team;
    double wins, draws, losses, goalsFor, goalsAgainst, points;
};

inline const OfficialRow kOfficial[] = {
    {"Bayern München", 28, 4, 2, 80, 17, 88},     {"Borussia Dortmund", 24, 6, 4, 82, 34, 78},
    {"Bayer Leverkusen", 18, 6, 10, 56, 40, 60},  {"Bor. Mönchengladbach", 17, 4, 13, 67, 50, 55},
    {"FC Schalke 04", 15, 7, 12, 51, 49, 52},     {"1. FSV Mainz 05", 14, 8, 12, 46, 42, 50},
    {"Hertha BSC", 14, 8, 12, 42, 42, 50},        {"VfL Wolfsburg", 12, 9, 13, 47, 49, 45},
    {"1. FC Köln", 10, 13, 11, 38, 42, 43},       {"Hamburger SV", 11, 8, 15, 40, 46, 41},
    {"FC Ingolstadt 04", 10, 10, 14, 33, 42, 40}, {"FC Augsburg", 9, 11, 14, 42, 52, 38},
    {"Werder Bremen", 10, 8, 16, 50, 65, 38},     {"SV Darmstadt 98", 9, 11, 14, 38, 53, 38},
    {"1899 Hoffenheim", 9, 10, 15, 39, 54, 37},   {"Eintracht Frankfurt", 9, 9, 16, 34, 52, 36},
    {"VfB Stuttgart", 9, 6, 19, 50, 75, 33},      {"Hannover 96", 7, 4, 23, 31, 62, 25},
};

struct Match {
    int half;
    QString home;
    QString away;
    QString answer; // as typed at the score prompt: "home away"
    QString round;
    QString date;
    int homeGoals;
    int awayGoals;
};

inline QString dataPath() {
    return QStringLiteral(SOCCER_TEST_DATA "/bundesliga-2015-16.csv");
}

inline QList<Match> readMatches() {
    QFile file(dataPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Match> matches;
    file.readLine(); // the header
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(',');
        if (fields.size() == 7)
            matches.append({fields[0].toInt(), fields[3], fields[4], fields[5] + ' ' + fields[6],
                            fields[1], fields[2], fields[5].toInt(), fields[6].toInt()});
    }
    return matches;
}

// Teams are numbered in the order of their first appearance in the file (home before away).
inline int teamNumber(soccer::League &league, const QString &name) {
    for (int t = 1; t <= league.teamCount; ++t) {
        if (league.teamNames[t] == name)
            return t;
    }
    league.teamNames[++league.teamCount] = name;
    return league.teamCount;
}

// What the replay met on its way: results typed over an earlier one, entries not recorded.
struct Replay {
    qsizetype matches = 0;
    int duplicates = 0;
    int notRecorded = 0;
};

// Enters every match of the season into `league`, which starts empty.
inline Replay replaySeason(soccer::League &league) {
    Replay replay;
    const QList<Match> matches = readMatches();
    replay.matches = matches.size();
    for (const Match &match : matches) {
        const int home = teamNumber(league, match.home);
        const int away = teamNumber(league, match.away);
        soccer::CrossTable &half = league.crossTables[match.half];
        replay.duplicates += half.cells[home][away].isEmpty() ? 0 : 1;
        if (soccer::enterScore(half, home, away, match.answer) != soccer::ScoreChange::Recorded)
            ++replay.notRecorded;
    }
    return replay;
}

// The season entered score by score as a user would; `nameOf` gives the name a team of the
// file is entered under.
inline std::unique_ptr<soccer::League>
replayedSeason(const std::function<QString(const QString &)> &nameOf) {
    auto league = std::make_unique<soccer::League>();
    for (const Match &match : readMatches()) {
        const int home = teamNumber(*league, nameOf(match.home));
        const int away = teamNumber(*league, nameOf(match.away));
        soccer::enterScore(league->crossTables[match.half], home, away, match.answer);
    }
    return league;
}

} // namespace bundesliga
