// Timings of publishing the largest table (99 teams, every pair played in both halves): the
// HTML page and CSV files from the core, the PDF of 27 pages, and a whole export to a file.
#include "bench/playedleague.h"
#include "core/csvtable.h"
#include "core/htmlpage.h"
#include "core/publishedtables.h"
#include "publish/exportfile.h"

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
    publish::ExportRequest request{format, {}};
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
        publish::exportFile(path, league(), {ExportFormat::Html, {}});
}

constexpr int kAll = -1;
constexpr int kResults = static_cast<int>(PublishedTableKind::Results);
constexpr int kCross = static_cast<int>(PublishedTableKind::FirstHalf);

} // namespace

BENCHMARK(BM_PublishAllTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtml)->Arg(kAll)->Arg(kResults)->Arg(kCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Arg(kResults)->Arg(kCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Arg(kAll)->Arg(kResults)->Arg(kCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtmlFile)->Unit(benchmark::kMillisecond);

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
