#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace soccer {

// One scheduled match of a pair in a half: who is at home, in which round and, when the
// organiser has set one, on which day. The result itself stays in the cross-table cell of the
// home team's row and the away team's column.
struct Fixture {
    int half = 0; // 1 or 2
    int home = 0;
    int away = 0;
    int round = 0;          // counted over the whole season: the second half goes on from the first
    QDate date;             // null while the match has no date
    bool postponed = false; // moved away from the round or date of the draw

    bool operator==(const Fixture &) const = default;
};

// Rounds are counted 1..kMaxRound: far more than two halves of 99 teams need, room for the
// rounds a postponed match may be moved to.
constexpr int kMaxRound = 999;

// The season's calendar: at most one fixture for each pair in each half. Empty for a table
// without a calendar, which then behaves exactly as a table always has.
struct Calendar {
    std::vector<Fixture> fixtures;

    bool empty() const { return fixtures.empty(); }
    bool operator==(const Calendar &) const = default;
};

// The highest round of the calendar; 0 when it is empty.
int roundCount(const Calendar &calendar);

// The first and the last date of the calendar's matches; both null when no match has one.
struct DateSpan {
    QDate first;
    QDate last;
};
DateSpan datesOf(const Calendar &calendar);

// The fixture of the pair {a, b} in `half`, whichever of them is at home; null when the pair
// has none there. Linear in the calendar: for one look-up, not for a loop over the pairs.
const Fixture *findFixture(const Calendar &calendar, int half, int a, int b);
Fixture *findFixture(Calendar &calendar, int half, int a, int b);

// Why a calendar does not fit a table of teamCount teams (a team out of range, a team against
// itself, a half that is not 1 or 2, a round outside 1..kMaxRound, a pair twice in one half); empty
// when it fits. Russian, for the user.
QString calendarProblem(const Calendar &calendar, int teamCount);

} // namespace soccer
