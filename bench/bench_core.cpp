// Timings of the league's file and table work on the largest table the program holds: 99 teams,
// every pair played in both halves. The raw QFile read and write of the same bytes are measured
// in the same run as the floor the table reader and writer are compared with.

#include "core/importapply.h"
#include "core/importplan.h"
#include "core/importreader.h"
#include "core/league.h"
#include "core/score.h"
#include "core/standings.h"
#include "core/tablefile.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kTeams = soccer::kMaxTeams;

QString teamName(int team) {
    static const QStringList cities = {
        QStringLiteral("Спартак"),   QStringLiteral("Динамо"),     QStringLiteral("Торпедо"),
        QStringLiteral("Локомотив"), QStringLiteral("Зенит"),      QStringLiteral("Крылья Советов"),
        QStringLiteral("Ротор"),     QStringLiteral("Черноморец"), QStringLiteral("Шинник"),
        QStringLiteral("Урал"),      QStringLiteral("Сокол")};
    return cities.at(team % cities.size()) + QStringLiteral(" №") + QString::number(team);
}

// Scores vary with the pair and the half, so that wins, draws and losses all occur and the
// ranking has real work to do.
QString answerFor(int half, int r, int c) {
    const int x = (r * 7 + c * 3 + half) % 5;
    const int y = (r * 2 + c * 5 + half * 3) % 4;
    return QString::number(x) + QLatin1Char(' ') + QString::number(y);
}

std::unique_ptr<soccer::League> playedLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = kTeams;
    for (int t = 1; t <= kTeams; ++t)
        league->teamNames[t] = teamName(t);
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= kTeams; ++r) {
            for (int c = r + 1; c <= kTeams; ++c)
                soccer::enterScore(league->crossTables[half], r, c, answerFor(half, r, c));
        }
    }
    return league;
}

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

// ---- Import of results ----

// The largest season as a result file: every pair once in each half, 9,702 matches. Each
// pair meets at the lower-numbered team's home first and at the other's second, with the
// results playedLeague() enters, so the import must give the same table byte for byte.
constexpr int kSeasonMatches = kTeams * (kTeams - 1);

QByteArray seasonCsv() {
    QString text = QStringLiteral("home,away,home_goals,away_goals\n");
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= kTeams; ++r) {
            for (int c = r + 1; c <= kTeams; ++c) {
                QStringList fields = {teamName(r), teamName(c)};
                fields += answerFor(half, r, c).split(QLatin1Char(' '));
                if (half == 2) {
                    fields.swapItemsAt(0, 1);
                    fields.swapItemsAt(2, 3);
                }
                text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
            }
        }
    }
    return text.toUtf8();
}

// Teams named as the file names them, no result yet.
std::unique_ptr<soccer::League> namedLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = kTeams;
    for (int t = 1; t <= kTeams; ++t)
        league->teamNames[t] = teamName(t);
    return league;
}

struct ImportFixture {
    QByteArray csv = seasonCsv();
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

BENCHMARK(BM_ImportReadCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportApply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportSeasonCsv)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
