#pragma once

// A played season for the benchmarks (the largest table the program holds: 99 teams) and for
// the tests that need a large table: every pair played in both halves, names of various
// lengths.
#include "core/league/league.h"
#include "core/league/score.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace benchkit {

constexpr int kTeams = soccer::kMaxTeams;

inline QString teamName(int team) {
    static const QStringList cities = {
        QStringLiteral("Спартак"),   QStringLiteral("Динамо"),     QStringLiteral("Торпедо"),
        QStringLiteral("Локомотив"), QStringLiteral("Зенит"),      QStringLiteral("Крылья Советов"),
        QStringLiteral("Ротор"),     QStringLiteral("Черноморец"), QStringLiteral("Шинник"),
        QStringLiteral("Урал"),      QStringLiteral("Сокол")};
    return cities.at(team % cities.size()) + QStringLiteral(" №") + QString::number(team);
}

// Scores vary with the pair and the half, so that wins, draws and losses all occur and the
// ranking has real work to do.
inline QString answerFor(int half, int r, int c) {
    const int x = (r * 7 + c * 3 + half) % 5;
    const int y = (r * 2 + c * 5 + half * 3) % 4;
    return QString::number(x) + QLatin1Char(' ') + QString::number(y);
}

inline std::unique_ptr<soccer::League> playedLeague(int teams = kTeams) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = teams;
    for (int t = 1; t <= teams; ++t)
        league->teamNames[t] = teamName(t);
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= teams; ++r) {
            for (int c = r + 1; c <= teams; ++c)
                soccer::enterScore(league->crossTables[half], r, c, answerFor(half, r, c));
        }
    }
    return league;
}

// The season of playedLeague() as a result file: every pair once in each half, 9,702 matches
// for 99 teams. Each pair meets at the lower-numbered team's home first and at the other's
// second, so an import gives the same table byte for byte.
inline QByteArray seasonCsv(int teams = kTeams) {
    QString text = QStringLiteral("home,away,home_goals,away_goals\n");
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= teams; ++r) {
            for (int c = r + 1; c <= teams; ++c) {
                QStringList fields = {teamName(r), teamName(c)};
                fields += answerFor(half, r, c).split(QLatin1Char(' '));
                if (half == 2) {
                    fields.swapItemsAt(0, 1);
                    fields.swapItemsAt(2, 3);
                }
                text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
            }
        }
    }
    return text.toUtf8();
}

} // namespace benchkit
