#pragma once

#include "core/season/matches.h"

#include <QString>
#include <QStringList>

namespace soccer {

// The texts of one round as the round view and `soccer-cli show --round` give them.

// "12.10.2026"; empty for no date.
QString roundDateText(QDate date);
// The day of a round: the date of its first dated match that stands where the draw put it, or
// of any dated match when all were moved; null when none has a date.
QDate roundDate(const std::vector<SeasonMatch> &roundMatches);
// "Тур 5 — 12.10.2026", or "Тур 5" for a round without a date.
QString roundTitle(int round, QDate date);
// "Хозяева – Гости  2:1", the score empty while not played, a moved match marked
// "  (перенесён)".
QString matchLine(const League &league, const SeasonMatch &match);
// "Спартак — свободна".
QString freeTeamLine(const League &league, int team);

// The round's title, then its matches, then the teams free in it, one a line.
QStringList roundLines(const League &league, const std::vector<SeasonMatch> &matches, int round);

} // namespace soccer
