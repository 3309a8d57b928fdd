#pragma once

// The Bundesliga season 2015/16 from the shared test data (all 306 matches), replayed through
// score entry as the window records typed scores. Shared by every test that needs a real season.
#include "core/league.h"
#include "core/score.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace bundesliga {

struct Match {
    int half;
    QString home;
    QString away;
    QString answer; // as typed at the score prompt: "home away"
};

inline QList<Match> readMatches() {
    QFile file(QStringLiteral(SOCCER_TEST_DATA "/bundesliga-2015-16.csv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Match> matches;
    file.readLine(); // the header
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(',');
        if (fields.size() == 7)
            matches.append({fields[0].toInt(), fields[3], fields[4], fields[5] + ' ' + fields[6]});
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

// What the replay met: matches read, results typed over an earlier one, results refused.
struct Replay {
    qsizetype matchCount = 0;
    int duplicates = 0;
    int notRecorded = 0;
};

inline Replay replaySeason(soccer::League &league) {
    Replay replay;
    const QList<Match> matches = readMatches();
    replay.matchCount = matches.size();
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

} // namespace bundesliga
