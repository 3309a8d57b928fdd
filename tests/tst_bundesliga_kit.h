#pragma once

// The Bundesliga 2015/16 season of the shared test data, as the replay tests read it: one
// match a line "half,round,date,home,away,home_goals,away_goals" after a header.
#include "core/league.h"
#include "core/score.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace bundesliga {

inline QString dataPath() {
    return QStringLiteral(SOCCER_TEST_DATA "/bundesliga-2015-16.csv");
}

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
