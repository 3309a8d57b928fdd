// One fuzz target for the import of results: every input is read as a result file (CSV and
// JSON alike, whatever it starts with), planned against a small played table, applied and
// taken back.
//
// Promises checked besides "no crash":
// - a match has both names, goals of 0..999999 and a line inside the file;
// - planning changes nothing;
// - a planned result names two different teams of the table and cross-table 1 or 2;
// - applying keeps both cells of every pair mirrored;
// - undoing restores the League exactly: count, names, every cell and statistic;
// - the report can always be written.

#include "core/import/importapply.h"
#include "core/import/importcsv.h"
#include "core/import/importjson.h"
#include "core/import/importplan.h"
#include "core/import/importreader.h"
#include "core/import/importreport.h"
#include "core/league/score.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void broken(const char *promise) {
    std::fprintf(stderr, "fuzz_import: broken promise: %s\n", promise);
    std::abort();
}

// The cells beyond the count that playedTable() fills.
constexpr int kLeftoverExtent = 8;

// Six teams with a result in each half, a cell text that is not a score and leftovers
// beyond the count, so that conflicts, refusals and a new table all have something to meet.
std::unique_ptr<soccer::League> playedTable() {
    auto league = std::make_unique<soccer::League>();
    const char *names[] = {"Спартак", "Динамо", "Зенит", "Торпедо", "Ротор", "Урал"};
    league->teamCount = 6;
    for (int t = 1; t <= 6; ++t)
        league->teamNames[t] = QString::fromUtf8(names[t - 1]);
    soccer::enterScore(league->crossTables[1], 1, 2, QStringLiteral("2 1"));
    soccer::enterScore(league->crossTables[2], 3, 4, QStringLiteral("0 0"));
    league->crossTables[1].cells[5][6] = QStringLiteral("перенесён");
    league->crossTables[1].cells[6][5] = QStringLiteral("перенесён");
    league->crossTables[2].cells[7][8] = QStringLiteral(" 9: 9");
    league->crossTables[2].stats[7].played = 0.5;
    return league;
}

// Teams 1..extent: an import touches no team beyond the larger of the old and the new count,
// and comparing only those keeps every input cheap.
bool sameLeague(const soccer::League &a, const soccer::League &b, int extent) {
    if (a.teamCount != b.teamCount || a.teamNames != b.teamNames)
        return false;
    for (int half = 1; half <= 2; ++half) {
        const soccer::CrossTable &x = a.crossTables[half];
        const soccer::CrossTable &y = b.crossTables[half];
        if (!(x.stats == y.stats))
            return false;
        for (int r = 1; r <= extent; ++r) {
            for (int c = 1; c <= extent; ++c) {
                if (x.cells[r][c] != y.cells[r][c])
                    return false;
            }
        }
    }
    return true;
}

int lineCount(const QByteArray &bytes) {
    return 1 + int(std::count(bytes.begin(), bytes.end(), '\n')) +
           int(std::count(bytes.begin(), bytes.end(), '\r'));
}

void checkRead(const soccer::ImportedFile &file, const QByteArray &bytes) {
    // UTF-16 halves the bytes per line break, never adds line breaks: the bound holds.
    const int lines = lineCount(bytes);
    for (const soccer::ImportedMatch &match : file.matches) {
        if (match.home.isEmpty() || match.away.isEmpty())
            broken("a match without a team");
        if (match.homeGoals < 0 || match.homeGoals > 999999 || match.awayGoals < 0 ||
            match.awayGoals > 999999)
            broken("goals outside 0..999999");
        if (match.line < 0 || match.line > lines)
            broken("a match on a line the file does not have");
    }
    for (const soccer::LineProblem &problem : file.problems) {
        if (problem.line < 0 || problem.line > lines || problem.reason.isEmpty())
            broken("a problem without a line of the file or a reason");
    }
}

// The report costs more than all the rest: it is written for one plan of each input, which
// one going by the input's size, so that a failing input fails again when run alone.
void checkPlan(const soccer::ImportPlan &plan, bool withReport) {
    for (const soccer::PlannedResult &result : plan.results) {
        if (result.half < 1 || result.half > 2 || result.home < 1 || result.away < 1 ||
            result.home > plan.teamCount || result.away > plan.teamCount ||
            result.home == result.away)
            broken("a planned result outside the table");
    }
    if (withReport && importReport(plan).isEmpty())
        broken("an empty report");
}

void checkMirrored(const soccer::League &league) {
    for (int half = 1; half <= 2; ++half) {
        const soccer::CrossTable &table = league.crossTables[half];
        for (int r = 1; r <= league.teamCount; ++r) {
            for (int c = r + 1; c <= league.teamCount; ++c) {
                if (table.cells[r][c].isEmpty() != table.cells[c][r].isEmpty())
                    broken("an applied import left a pair with one cell");
            }
        }
    }
}

void planApplyUndo(soccer::League &league, const soccer::League &before,
                   const soccer::ImportedFile &file, const soccer::ImportOptions &options,
                   soccer::TeamNaming reported) {
    const soccer::ImportPlan plan = soccer::planImport(league, file, options);
    const int extent = std::max({league.teamCount, plan.teamCount, kLeftoverExtent});
    if (!sameLeague(league, before, extent))
        broken("planning changed the League");
    checkPlan(plan, options.naming == reported);
    const soccer::ImportUndo undo = soccer::applyImport(league, plan);
    if (undo.applied != plan.usable())
        broken("a usable plan was not applied, or an unusable one was");
    checkMirrored(league);
    soccer::undoImport(league, undo);
    if (!sameLeague(league, before, extent))
        broken("undo did not restore the League");
}

void fuzzPlan(const soccer::ImportedFile &file, std::size_t size) {
    const auto reported = soccer::TeamNaming(size % 3);
    static const std::unique_ptr<soccer::League> before = playedTable();
    static const std::unique_ptr<soccer::League> league = playedTable();
    soccer::ImportOptions options;
    options.conflicts = soccer::ConflictChoice::TakeFile;
    planApplyUndo(*league, *before, file, options, reported);
    options.naming = soccer::TeamNaming::FromFile;
    planApplyUndo(*league, *before, file, options, reported);
    options.naming = soccer::TeamNaming::NewTable;
    planApplyUndo(*league, *before, file, options, reported);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const soccer::ImportedFile file = soccer::readImportBytes(bytes);
    checkRead(file, bytes);
    fuzzPlan(file, size);

    // Both readers see every input, whatever its first character.
    const soccer::DecodedText decoded = soccer::decodeText(bytes);
    soccer::ImportedFile other;
    if (file.source.format == soccer::ImportFormat::Csv)
        soccer::readJsonMatches(decoded.text, other);
    else
        soccer::readCsvMatches(decoded.text, other);
    checkRead(other, bytes);
    return 0;
}
