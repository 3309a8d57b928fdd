#pragma once

#include "core/season/calendar.h"

#include <QDate>
#include <cstdint>

namespace soccer {

// How the draw numbers the teams and dates the rounds.
struct DrawOptions {
    QDate firstDate;        // the date of round 1; null draws a calendar without dates
    int daysBetween = 7;    // from one round's date to the next
    bool shuffle = false;   // draw the teams' places in the table at random instead of 1..N
    std::uint32_t seed = 0; // the same seed draws the same calendar on every machine
};

// Rounds in one half: N - 1 for an even N, N for an odd N (one team free each round).
int roundsPerHalf(int teamCount);

// A round-robin calendar for teamCount (2..99) teams by the circle method (Berger tables).
// Every pair meets once in each half; the second half repeats the first, round by round, with
// home and away swapped. Home and away alternate as evenly as the method allows: N - 2
// breaks in a half for an even N, none for an odd N.
Calendar drawCalendar(int teamCount, const DrawOptions &options);

// How many times a team of 1..teamCount plays two home or two away matches in a row within
// `half`, summed over the teams; a free round does not part two matches.
int homeAwayBreaks(const Calendar &calendar, int half, int teamCount);

} // namespace soccer
