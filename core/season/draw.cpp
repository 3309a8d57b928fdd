#include "core/season/draw.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace soccer {

int roundsPerHalf(int teamCount) {
    return teamCount % 2 == 0 ? teamCount - 1 : teamCount;
}

namespace {

// The teams in their places of the draw. std::shuffle's choice of draws is the library's own,
// so the places are drawn here, from the raw numbers of the standard engine.
std::vector<int> drawPlaces(int teamCount, const DrawOptions &options) {
    std::vector<int> places(teamCount);
    std::iota(places.begin(), places.end(), 1);
    if (!options.shuffle)
        return places;
    std::mt19937 engine(options.seed);
    for (int i = teamCount - 1; i > 0; --i)
        std::swap(places[i], places[engine() % static_cast<std::uint32_t>(i + 1)]);
    return places;
}

// One round of the circle: place n (the last, never moving; the free round of an odd N)
// meets the place the circle has turned to, then the others pair off from both ends. The
// fixed place changes ends every round and the others alternate with their distance from
// it, which leaves each half with the fewest breaks the method can give.
void addRound(std::vector<Fixture> &fixtures, int round, int seats,
              const std::vector<int> &places) {
    const int circle = seats - 1;
    auto team = [&](int slot) { return slot < static_cast<int>(places.size()) ? places[slot] : 0; };
    auto add = [&](int homeSlot, int awaySlot) {
        const int home = team(homeSlot), away = team(awaySlot);
        if (home != 0 && away != 0)
            fixtures.push_back({1, home, away, round + 1, {}, false});
    };
    const int turned = round % circle;
    if (round % 2 == 0)
        add(turned, circle);
    else
        add(circle, turned);
    for (int i = 1; i < seats / 2; ++i) {
        const int a = (turned + i) % circle, b = (turned + circle - i) % circle;
        if (i % 2 == 0)
            add(a, b);
        else
            add(b, a);
    }
}

} // namespace

Calendar drawCalendar(int teamCount, const DrawOptions &options) {
    const int seats = teamCount + teamCount % 2;
    const int rounds = roundsPerHalf(teamCount);
    const std::vector<int> places = drawPlaces(teamCount, options);
    Calendar calendar;
    calendar.fixtures.reserve(static_cast<size_t>(teamCount) * (teamCount - 1));
    for (int round = 0; round < rounds; ++round)
        addRound(calendar.fixtures, round, seats, places);
    const size_t firstHalf = calendar.fixtures.size();
    for (size_t i = 0; i < firstHalf; ++i) {
        const Fixture &first = calendar.fixtures[i];
        calendar.fixtures.push_back({2, first.away, first.home, first.round + rounds, {}, false});
    }
    if (options.firstDate.isValid()) {
        for (Fixture &fixture : calendar.fixtures)
            fixture.date =
                options.firstDate.addDays(qint64(fixture.round - 1) * options.daysBetween);
    }
    return calendar;
}

int homeAwayBreaks(const Calendar &calendar, int half, int teamCount) {
    std::vector<std::map<int, bool>> atHome(teamCount + 1); // round -> at home, per team
    for (const Fixture &fixture : calendar.fixtures) {
        if (fixture.half != half || fixture.home > teamCount || fixture.away > teamCount)
            continue;
        atHome[fixture.home][fixture.round] = true;
        atHome[fixture.away][fixture.round] = false;
    }
    int breaks = 0;
    for (const auto &rounds : atHome) {
        for (auto it = rounds.begin(); it != rounds.end() && std::next(it) != rounds.end(); ++it)
            breaks += it->second == std::next(it)->second ? 1 : 0;
    }
    return breaks;
}

} // namespace soccer
