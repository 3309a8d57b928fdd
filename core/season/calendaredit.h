#pragma once

#include "core/season/calendar.h"

#include <QDate>
#include <QString>
#include <optional>

namespace soccer {

// The changes an organiser makes to one match of a drawn calendar. Each works on a copy the
// caller then sets as one step, and says whether it changed anything.

// Where a match is moved to: a round and, optionally, a day.
struct MatchSlot {
    int round = 0;
    QDate date; // null: the match has no date
};

// Reads "5" or "5 12.10.2026" (also "5 2026-10-12"): a round of 1..kMaxRound and a date; nullopt
// for anything else.
std::optional<MatchSlot> readMatchSlot(const QString &text);

// Moves the pair's fixture of `half` to `slot` and marks it postponed. False when the pair has no
// fixture there or it stands in that slot already.
bool moveFixture(Calendar &calendar, int half, int home, int away, const MatchSlot &slot);

// Swaps home and away of the pair's fixture of `half`. The result needs no moving: both cells of
// a pair hold it, each from its own row's side, so the new home team's cell already reads it
// with its own goals first. False when the pair has no fixture there.
bool swapHomeAway(Calendar &calendar, int half, int home, int away);

} // namespace soccer
