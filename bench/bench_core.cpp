// Timings of the league's file and table work on the largest table the program holds: 99 teams,
// every pair played in both halves. The raw QFile read and write of the same bytes are measured
// in the same run as the floor the table reader and writer are compared with.

#include "bench/playedleague.h"
#include "core/files/tablefile.h"
#include "core/import/importapply.h"
#include "core/import/importplan.h"
#include "core/import/importreader.h"
#include "core/league/league.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/ranking/ranking.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

using benchkit::kTeams;
using benchkit::playedLeague;

// One played table, its file bytes and a temporary folder that outlives every benchmark.
struct Fixture {
    std::unique_ptr<soccer::League> league = playedLeague();
    QByteArray bytes = soccer::tableBytes(*league);
    QTemporaryDir folder;
    QString readPath = folder.filePath(QStringLiteral("PLAYED.TFL"));
    QString writePath = folder.filePath(QStringLiteral("WRITTEN.TFL"));

    Fixture() {
        if (!folder.isValid())
            throw std::runtime_error("no temporary folder");
        QFile file(readPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write the table to read");
    }
};

Fixture &fixture() {
    static Fixture instance;
    return instance;
}

void failOn(benchmark::State &state, bool failed, const char *what) {
    if (failed)
        state.SkipWithError(what);
}

void BM_RawFileRead(benchmark::State &state) {
    const QString &path = fixture().readPath;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            failOn(state, true, "open failed");
            break;
        }
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_RawFileWrite(benchmark::State &state) {
    const QString &path = fixture().writePath;
    const QByteArray &bytes = fixture().bytes;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            failOn(state, true, "write failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ReadTableFile(benchmark::State &state) {
    auto into = std::make_unique<soccer::League>();
    for (auto _ : state) {
        soccer::readTableFile(fixture().readPath, *into);
        benchmark::DoNotOptimize(into->teamCount);
    }
    failOn(state, into->teamCount != kTeams, "the read table has the wrong count");
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_WriteTableFile(benchmark::State &state) {
    for (auto _ : state)
        soccer::writeTableFile(fixture().writePath, *fixture().league);
    QFile written(fixture().writePath);
    failOn(state, !written.open(QIODevice::ReadOnly) || written.readAll() != fixture().bytes,
           "the written file differs from the table bytes");
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_ParseTable(benchmark::State &state) {
    auto into = std::make_unique<soccer::League>();
    for (auto _ : state) {
        soccer::parseTable(fixture().bytes, *into);
        benchmark::DoNotOptimize(into->teamCount);
    }
    failOn(state, into->teamCount != kTeams, "the parsed table has the wrong count");
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void BM_TableBytes(benchmark::State &state) {
    for (auto _ : state) {
        QByteArray bytes = soccer::tableBytes(*fixture().league);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

// The pair a benchmark iteration works on walks over the whole table, so the timing is not
// that of one cell kept hot in the cache.
struct PairWalk {
    int r = 1;
    int c = 2;
    void next() {
        if (++c > kTeams) {
            r = r % (kTeams - 1) + 1;
            c = r + 1;
        }
    }
};

// A replace: the old result of the pair is taken back before the new one is counted.
void BM_EnterScoreReplace(benchmark::State &state) {
    auto league = playedLeague();
    soccer::CrossTable &table = league->crossTables[1];
    const QString answers[2] = {QStringLiteral("3 1"), QStringLiteral("1 3")};
    PairWalk pair;
    int flip = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(soccer::enterScore(table, pair.r, pair.c, answers[flip]));
        pair.next();
        flip ^= 1;
    }
}

// A delete followed by a fresh record of the same pair: two entries per iteration.
void BM_EnterScoreDeleteAndRecord(benchmark::State &state) {
    auto league = playedLeague();
    soccer::CrossTable &table = league->crossTables[2];
    const QString answer = QStringLiteral("2 2");
    PairWalk pair;
    for (auto _ : state) {
        benchmark::DoNotOptimize(soccer::enterScore(table, pair.r, pair.c, QString()));
        benchmark::DoNotOptimize(soccer::enterScore(table, pair.r, pair.c, answer));
        pair.next();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_RankTeams(benchmark::State &state) {
    soccer::League &league = *fixture().league;
    for (auto _ : state) {
        soccer::rankTeams(league);
        benchmark::DoNotOptimize(league.standingsOrder.data());
    }
}

void BM_OrderByCounter(benchmark::State &state) {
    soccer::League &league = *fixture().league;
    const auto counter = static_cast<soccer::Counter>(state.range(0));
    for (auto _ : state) {
        soccer::orderByCounter(league, counter);
        benchmark::DoNotOptimize(league.standingsOrder.data());
    }
}

// A full 99-team season of few distinct scores, so that large groups stay level on points and
// the tie-breaks have real work.
enum class Ties {
    ThreeOfThirtyThree, // 1:1, 1:0, 0:1 by the pair: three ties of 33 that no criterion breaks
    AllDrawn,           // every match 1:1: one tie of all 99
    MostlyDrawn,        // four in five drawn, scattered: ties of up to 9 that head-to-head splits
};

int pickFor(Ties ties, int half, int r, int c) {
    const auto spread = (quint64(r) * 2654435761u ^ quint64(c) * 40503u ^ quint64(half) * 97u) >> 7;
    switch (ties) {
    case Ties::ThreeOfThirtyThree:
        return (r * c + half) % 3;
    case Ties::AllDrawn:
        break;
    case Ties::MostlyDrawn:
        return spread % 5 != 0 ? 0 : 1 + (r + c + half) % 2;
    }
    return 0;
}

std::unique_ptr<soccer::League> tiedLeague(Ties ties) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = kTeams;
    for (int t = 1; t <= kTeams; ++t)
        league->teamNames[t] = benchkit::teamName(t);
    const QString answers[3] = {QStringLiteral("1 1"), QStringLiteral("1 0"),
                                QStringLiteral("0 1")};
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= kTeams; ++r) {
            for (int c = r + 1; c <= kTeams; ++c)
                soccer::enterScore(league->crossTables[half], r, c,
                                   answers[pickFor(ties, half, r, c)]);
        }
    }
    return league;
}

// The largest group of teams level on points, and how many teams share a place in the end.
void countTies(benchmark::State &state, const soccer::League &league,
               const std::vector<soccer::RankedRow> &rows) {
    std::map<double, int> byPoints;
    for (int t = 1; t <= league.teamCount; ++t)
        ++byPoints[soccer::totals(league, t).points];
    int largest = 0;
    for (const auto &[points, teams] : byPoints)
        largest = std::max(largest, teams);
    int sharing = 0;
    for (const soccer::RankedRow &row : rows)
        sharing += row.firstPlace != row.lastPlace ? 1 : 0;
    state.counters["level_on_points"] = largest;
    state.counters["sharing_a_place"] = sharing;
}

// Arguments: the table (0 the varied scores of the other benchmarks, 1 + Ties) and the preset.
void BM_RankByRule(benchmark::State &state) {
    static const auto threeTies = tiedLeague(Ties::ThreeOfThirtyThree);
    static const auto allDrawn = tiedLeague(Ties::AllDrawn);
    static const auto mostlyDrawn = tiedLeague(Ties::MostlyDrawn);
    const soccer::League *tables[] = {fixture().league.get(), threeTies.get(), allDrawn.get(),
                                      mostlyDrawn.get()};
    auto league = std::make_unique<soccer::League>(*tables[state.range(0)]);
    const auto rule =
        soccer::RankingRule::fromPreset(static_cast<soccer::RulePreset>(state.range(1)));
    std::vector<soccer::RankedRow> rows;
    for (auto _ : state) {
        rows = soccer::rankByRule(*league, rule);
        benchmark::DoNotOptimize(rows.data());
    }
    failOn(state, int(rows.size()) != kTeams, "not every team ranked");
    countTies(state, *league, rows);
}

// ---- Import of results ----

// The largest season as a result file (benchkit::seasonCsv): the import must give the
// table playedLeague() enters, byte for byte.
constexpr int kSeasonMatches = kTeams * (kTeams - 1);

// Teams named as the file names them, no result yet.
std::unique_ptr<soccer::League> namedLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = kTeams;
    for (int t = 1; t <= kTeams; ++t)
        league->teamNames[t] = benchkit::teamName(t);
    return league;
}

struct ImportFixture {
    QByteArray csv = benchkit::seasonCsv();
    std::unique_ptr<soccer::League> league = namedLeague();
    soccer::ImportedFile file = soccer::readImportBytes(csv);
    soccer::ImportPlan plan = soccer::planImport(*league, file);
};

ImportFixture &importFixture() {
    static ImportFixture instance;
    return instance;
}

void BM_ImportReadCsv(benchmark::State &state) {
    const QByteArray &csv = importFixture().csv;
    std::size_t matches = 0;
    for (auto _ : state) {
        const soccer::ImportedFile file = soccer::readImportBytes(csv);
        matches = file.matches.size();
    }
    failOn(state, matches != kSeasonMatches, "the season was not read whole");
    state.SetBytesProcessed(state.iterations() * csv.size());
}

void BM_ImportPlan(benchmark::State &state) {
    const ImportFixture &fixture = importFixture();
    int entered = 0;
    for (auto _ : state) {
        const soccer::ImportPlan plan = soccer::planImport(*fixture.league, fixture.file);
        entered = plan.enteredCount(1) + plan.enteredCount(2);
    }
    failOn(state, entered != kSeasonMatches, "the plan does not enter the whole season");
}

// Emptying the table between rounds is left out of the timing.
void BM_ImportApply(benchmark::State &state) {
    auto league = namedLeague();
    int entered = 0;
    for (auto _ : state) {
        state.PauseTiming();
        soccer::clearResults(*league);
        state.ResumeTiming();
        entered = soccer::applyImport(*league, importFixture().plan).entered;
    }
    failOn(state, entered != kSeasonMatches, "not every result was entered");
}

// Read, plan and apply: what one import of the season costs from the file's bytes.
void BM_ImportSeasonCsv(benchmark::State &state) {
    const QByteArray &csv = importFixture().csv;
    auto league = namedLeague();
    int entered = 0;
    for (auto _ : state) {
        state.PauseTiming();
        soccer::clearResults(*league);
        state.ResumeTiming();
        const soccer::ImportPlan plan = soccer::planImport(*league, soccer::readImportBytes(csv));
        entered = soccer::applyImport(*league, plan).entered;
    }
    failOn(state, entered != kSeasonMatches, "not every result was entered");
    failOn(state, soccer::tableBytes(*league) != fixture().bytes,
           "the imported season differs from the one entered by score entry");
    state.SetItemsProcessed(state.iterations() * kSeasonMatches);
}

} // namespace

BENCHMARK(BM_RawFileRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadTableFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawFileWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteTableFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnterScoreReplace);
BENCHMARK(BM_EnterScoreDeleteAndRecord);
BENCHMARK(BM_RankTeams)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderByCounter)
    ->Arg(static_cast<int>(soccer::Counter::Points))
    ->Arg(static_cast<int>(soccer::Counter::GoalsFor))
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_RankByRule)
    ->ArgsProduct({{0, 1, 2, 3},
                   {static_cast<int>(soccer::RulePreset::Program),
                    static_cast<int>(soccer::RulePreset::GoalsThenHeadToHead),
                    static_cast<int>(soccer::RulePreset::HeadToHeadFirst)}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportReadCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportApply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportSeasonCsv)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
