// Timings of the season's calendar on the largest table: the draw of 99 teams (9,702 matches),
// opening the table with and without its calendar, and the matches of one round as the round
// view reads them.
#include "bench/playedleague.h"
#include "core/files/tablefile.h"
#include "core/season/draw.h"
#include "core/season/roundtext.h"
#include "core/season/seasontable.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

using benchkit::kTeams;

void BM_Draw99(benchmark::State &state) {
    soccer::DrawOptions options;
    options.firstDate = QDate(2026, 8, 1);
    options.shuffle = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(soccer::drawCalendar(kTeams, options));
}

std::unique_ptr<soccer::League> scheduledLeague() {
    auto league = benchkit::playedLeague();
    soccer::DrawOptions options;
    options.firstDate = QDate(2026, 8, 1);
    league->calendar = soccer::drawCalendar(kTeams, options);
    return league;
}

// Opening a table: the played 99-team table without a calendar (range 0) and with its full
// calendar of 9,702 lines (range 1), from the same bytes a save gives.
void BM_ParseTable99(benchmark::State &state) {
    auto league = state.range(0) ? scheduledLeague() : benchkit::playedLeague();
    const QByteArray bytes = soccer::tableBytes(*league);
    auto into = std::make_unique<soccer::League>();
    for (auto _ : state)
        soccer::parseTable(bytes, *into);
}

// What the round view does when another round is chosen: the season's matches read from the
// cells and the calendar, then the chosen round's lines.
void BM_SwitchRound99(benchmark::State &state) {
    const auto league = scheduledLeague();
    int round = 0;
    for (auto _ : state) {
        round = round % soccer::roundCount(league->calendar) + 1;
        benchmark::DoNotOptimize(
            soccer::roundLines(*league, soccer::seasonMatches(*league), round));
    }
}

// The results table after round k of the 99-team season (196 rounds), ranked: the table alone
// (second argument 0) and with the movement against the round before and the form (1).
void BM_TableAfterRound99(benchmark::State &state) {
    const auto league = scheduledLeague();
    const soccer::TableView view{int(state.range(0)), {}, soccer::MatchSide::All};
    const bool columns = state.range(1) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(soccer::seasonTable(*league, view, {columns, columns, false}));
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
BENCHMARK(BM_ParseTable99)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchRound99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableAfterRound99)
    ->Args({98, 0})
    ->Args({150, 0})
    ->Args({150, 1})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    printDrawFigures();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
