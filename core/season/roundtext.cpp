#include "core/season/roundtext.h"

namespace soccer {

QString roundDateText(QDate date) {
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate roundDate(const std::vector<SeasonMatch> &roundMatches) {
    QDate anyDate;
    for (const SeasonMatch &m : roundMatches) {
        if (m.date.isValid() && !m.postponed)
            return m.date;
        if (m.date.isValid() && !anyDate.isValid())
            anyDate = m.date;
    }
    return anyDate;
}

QString roundTitle(int round, QDate date) {
    const QString title = QStringLiteral("Тур %1").arg(round);
    return date.isValid() ? title + QStringLiteral(" — ") + roundDateText(date) : title;
}

QString matchLine(const League &league, const SeasonMatch &match) {
    QString line = league.teamNames[match.home].trimmed() + QStringLiteral(" – ") +
                   league.teamNames[match.away].trimmed() + QStringLiteral("  ") +
                   resultText(match.result);
    if (match.postponed)
        line += QStringLiteral("  (перенесён)");
    return line;
}

QString freeTeamLine(const League &league, int team) {
    return league.teamNames[team].trimmed() + QStringLiteral(" — свободна");
}

QStringList roundLines(const League &league, const std::vector<SeasonMatch> &matches, int round) {
    const std::vector<SeasonMatch> ofRound = roundMatches(matches, round);
    QStringList lines{roundTitle(round, roundDate(ofRound))};
    for (const SeasonMatch &m : ofRound)
        lines.push_back(matchLine(league, m));
    for (int team : freeTeams(matches, round, league.teamCount))
        lines.push_back(freeTeamLine(league, team));
    return lines;
}

} // namespace soccer
