#pragma once

#include "core/league/league.h"

#include <array>
#include <vector>

namespace soccer {

// The place of every team after each round of the calendar, as the chart of places draws it:
// one line a team, the rounds across, place 1 at the top.
struct PlacesHistory {
    int teamCount = 0;
    // The rounds charted, in order: each round of the calendar with a match, up to the last
    // round that has a result; a table without a calendar or without results has none.
    std::vector<int> rounds;
    // The places after each of those rounds, by team (index 0 unused); a shared place is
    // given as its first.
    std::vector<std::array<int, kArraySize>> places;
};

// The tables after each round ranked under the table's rule and points, as the results view
// ranks the table after a round.
PlacesHistory placesHistory(const League &league);

} // namespace soccer
