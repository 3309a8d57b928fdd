// Timings of the season's calendar on the largest table: the draw of 99 teams (9,702 matches),
// and the matches of the season and of one round as the round view reads them.
#include "bench/playedleague.h"
#include "core/season/draw.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using benchkit::kTeams;

void BM_Draw99(benchmark::State &state) {
    soccer::DrawOptions options;
    options.firstDate = QDate(2026, 8, 1);
    options.shuffle = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(soccer::drawCalendar(kTeams, options));
}

// The draw's figures for the report: rounds, matches and breaks of a half.
void printDrawFigures() {
    for (int teams : {16, 20, 99}) {
        const soccer::Calendar calendar = soccer::drawCalendar(teams, {});
        std::printf("draw of %d teams: %d rounds, %zu matches, breaks %d + %d\n", teams,
                    soccer::roundCount(calendar), calendar.fixtures.size(),
                    soccer::homeAwayBreaks(calendar, 1, teams),
                    soccer::homeAwayBreaks(calendar, 2, teams));
    }
}

} // namespace

BENCHMARK(BM_Draw99)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    printDrawFigures();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
