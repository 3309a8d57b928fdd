// Timings of the places each team can still reach: twenty teams with five rounds of a double
// round robin left, and the largest table, 99 teams with the whole second half left, where the
// counter "open" says how many teams the time budget left without a final range.

#include "core/season/reachableplaces.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

using Match = std::pair<int, int>;

// The rounds of one half by the circle method: one team stays, the others turn around it; an odd
// number of teams gets a blank slot, whose opponent rests that round.
QList<QList<Match>> halfRounds(int teams) {
    const int seats = teams + teams % 2;
    QList<QList<Match>> rounds;
    for (int r = 0; r < seats - 1; ++r) {
        QList<Match> round;
        for (int k = 0; k < seats / 2; ++k) {
            const int a = k == 0 ? seats - 1 : (r + k) % (seats - 1);
            const int b = (r + seats - 1 - k) % (seats - 1);
            if (a < teams && b < teams)
                round.append(r % 2 ? Match{a + 1, b + 1} : Match{b + 1, a + 1});
        }
        rounds.append(round);
    }
    return rounds;
}

// A season of two halves (the second with home and away turned) of which `left` rounds are not
// yet played; the others are played by teams of seeded random strength, the stronger more often
// winning, about a quarter of matches drawn.
soccer::PlacesInput season(int teams, int left) {
    QList<QList<Match>> rounds = halfRounds(teams);
    for (qsizetype r = 0, half = rounds.size(); r < half; ++r) {
        QList<Match> back;
        for (const auto &[home, away] : rounds[r])
            back.append({away, home});
        rounds.append(back);
    }
    QRandomGenerator random(2024);
    QList<double> strength;
    for (int t = 0; t < teams; ++t)
        strength.append(0.5 + random.generateDouble());
    soccer::PlacesInput input{QList<int>(teams, 0), {}, {3, 1, 0}};
    for (qsizetype r = 0; r < rounds.size(); ++r)
        for (const auto &[home, away] : rounds[r]) {
            if (r >= rounds.size() - left) {
                input.remaining.append({home, away});
                continue;
            }
            const double share = strength[home - 1] / (strength[home - 1] + strength[away - 1]);
            const double roll = random.generateDouble();
            if (roll < 0.25)
                ++input.points[home - 1], ++input.points[away - 1];
            else
                input.points[(roll - 0.25) / 0.75 < share ? home - 1 : away - 1] += 3;
        }
    return input;
}

void measure(benchmark::State &state, int teams, int left, int budgetMs) {
    const soccer::PlacesInput input = season(teams, left);
    int open = 0;
    for (auto _ : state) {
        const soccer::PlacesResult result = soccer::reachablePlaces(input, {budgetMs, nullptr});
        open = 0;
        for (const soccer::TeamPlaces &team : result.teams)
            open += team.isFinal() ? 0 : 1;
        benchmark::DoNotOptimize(result);
    }
    state.counters["open"] = open;
    state.counters["matches_left"] = double(input.remaining.size());
}

// Twenty teams, five rounds left, two seconds a team (never used up here).
void BM_PlacesTwentyTeamsFiveRounds(benchmark::State &state) {
    measure(state, 20, 5, 2000);
}
BENCHMARK(BM_PlacesTwentyTeamsFiveRounds)->Unit(benchmark::kMillisecond);

// 99 teams with the second half left (99 rounds of 49 matches), one second a team.
void BM_PlacesNinetyNineTeamsHalfLeft(benchmark::State &state) {
    measure(state, 99, 99, 1000);
}
BENCHMARK(BM_PlacesNinetyNineTeamsHalfLeft)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
