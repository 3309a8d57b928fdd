// Timings of publishing the largest table (99 teams, every pair played in both halves): the
// HTML page and CSV files from the core, the PDF of 27 pages, and a whole export to a file;
// and the import of its season as soccer-cli runs it.
#include "bench/playedleague.h"
#include "cli/exitcodes.h"
#include "cli/importresults.h"
#include "core/files/tablefile.h"
#include "core/publish/csvtable.h"
#include "core/publish/htmlpage.h"
#include "core/publish/publishedtables.h"
#include "publish/exportfile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using publish::ExportFormat;
using soccer::PublishedTableKind;

const QDate kDay(2016, 5, 14);

soccer::League &league() {
    static const std::unique_ptr<soccer::League> played = [] {
        auto made = benchkit::playedLeague();
        made->tablePath = QStringLiteral("/tmp/Лига 99 команд.TFL");
        return made;
    }();
    return *played;
}

// One export's bytes; the argument picks the table (-1: all three, or the format's default).
void exportBytes(benchmark::State &state, ExportFormat format) {
    publish::ExportRequest request{format, {}, {}};
    if (state.range(0) >= 0)
        request.table = static_cast<PublishedTableKind>(state.range(0));
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = publish::exportBytes(league(), request, kDay);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    if (size == 0)
        state.SkipWithError("nothing exported");
    state.counters["bytes"] = double(size);
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_ExportHtml(benchmark::State &state) {
    exportBytes(state, ExportFormat::Html);
}

void BM_ExportCsv(benchmark::State &state) {
    exportBytes(state, ExportFormat::Csv);
}

void BM_ExportPdf(benchmark::State &state) {
    exportBytes(state, ExportFormat::Pdf);
}

// The results table as CSV under each preset: the ranking of a copy (with the scores, for
// head-to-head), the places and, but for the program's rule, the reasons.
void BM_ExportCsvUnderRule(benchmark::State &state) {
    auto ruled = std::make_unique<soccer::League>(league());
    ruled->rankingRule =
        soccer::RankingRule::fromPreset(static_cast<soccer::RulePreset>(state.range(0)));
    const publish::ExportRequest request{ExportFormat::Csv, PublishedTableKind::Results, {}};
    for (auto _ : state) {
        const QByteArray bytes = publish::exportBytes(*ruled, request, kDay);
        benchmark::DoNotOptimize(bytes.data());
    }
}

// The tables alone, before any writer: ranking a copy and building the cells.
void BM_PublishAllTables(benchmark::State &state) {
    for (auto _ : state) {
        const soccer::Publication publication = soccer::fullPublication(league(), kDay);
        benchmark::DoNotOptimize(publication.tables.data());
    }
}

// What the user waits for: the page built and written to a file through a temporary one.
void BM_ExportHtmlFile(benchmark::State &state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.html"));
    for (auto _ : state)
        publish::exportFile(path, league(), {ExportFormat::Html, {}, {}});
}

void putFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("the benchmark's files cannot be written");
}

// `soccer-cli import TABLE season.csv -o OUT` without the process: the table file and the
// 9,702 results read, planned, entered and the table written. Arg 0: a blank table, which is
// named from the file (planned twice: with its own names first, which the file does not
// know); 1: a table already named as the file.
void BM_CliImportSeason(benchmark::State &state) {
    QTemporaryDir folder;
    cli::ImportRequest request;
    request.tablePath = folder.filePath(QStringLiteral("table.TFL"));
    request.resultsPath = folder.filePath(QStringLiteral("season.csv"));
    request.outputPath = folder.filePath(QStringLiteral("out.TFL"));
    auto named = std::make_unique<soccer::League>();
    named->teamCount = benchkit::kTeams;
    for (int t = 1; t <= benchkit::kTeams; ++t)
        named->teamNames[t] = benchkit::teamName(t);
    putFile(request.tablePath, state.range(0) == 0 ? soccer::blankTableBytes(benchkit::kTeams)
                                                   : soccer::tableBytes(*named));
    putFile(request.resultsPath, benchkit::seasonCsv());
    int exitCode = -1;
    for (auto _ : state)
        exitCode = cli::importResults(request).exitCode;
    QFile out(request.outputPath);
    if (exitCode != cli::Done || !out.open(QIODevice::ReadOnly) ||
        out.readAll() != soccer::tableBytes(*benchkit::playedLeague()))
        state.SkipWithError("the imported table is not the played season");
}

constexpr int kAll = -1;
constexpr int kResults = static_cast<int>(PublishedTableKind::Results);
constexpr int kCross = static_cast<int>(PublishedTableKind::FirstHalf);

} // namespace

BENCHMARK(BM_PublishAllTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtml)->Arg(kAll)->Arg(kResults)->Arg(kCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Arg(kResults)->Arg(kCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsvUnderRule)
    ->Arg(static_cast<int>(soccer::RulePreset::Program))
    ->Arg(static_cast<int>(soccer::RulePreset::GoalsThenHeadToHead))
    ->Arg(static_cast<int>(soccer::RulePreset::HeadToHeadFirst))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Arg(kAll)->Arg(kResults)->Arg(kCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtmlFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliImportSeason)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// PDF pages are painted with the GUI library's fonts: a GUI application on the offscreen
// platform unless another is named.
int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
