#pragma once

#include "core/publish/publishedtables.h"

namespace soccer {

// The season's calendar as a published table, round by round: date ("12.10.2026", empty
// when undated), round, home team, away team and score, then a line for each team free in
// that round ("свободна" in the away column). Only scheduled matches; empty for a table
// without a calendar.
PublishedTable publishedRounds(const League &league);

} // namespace soccer
