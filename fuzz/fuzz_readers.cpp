// One fuzz target for both readers of the program's files: every input is read as a table file
// and as an options file. A CoreError is the reader's ordinary way of refusing a file; any
// other exception, a sanitizer report, or a broken promise of the readers aborts the run.
//
// Promises checked besides "no crash":
// - a table that loads has 1 to 99 teams, which is all the League's arrays hold;
// - a table that fails to load leaves the League exactly as it was;
// - a table that loads, written back and read again, is the same table, as long as its texts
//   are ones a table file can hold (no comma, quote, line break or character outside 1251);
// - an options file that loads, written back and read again, gives the same colours.

#include "core/errors.h"
#include "core/league.h"
#include "core/options.h"
#include "core/tablefile.h"

#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void broken(const char *promise) {
    std::fprintf(stderr, "fuzz_readers: broken promise: %s\n", promise);
    std::abort();
}

// A League that is not empty, so that a failed load that touches it is noticed.
std::unique_ptr<soccer::League> earlierLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = 3;
    for (int t = 1; t <= 3; ++t) {
        league->teamNames[t] = QStringLiteral("Прежняя %1").arg(t);
        league->crossTables[1].stats[t].played = t;
    }
    league->crossTables[1].cells[1][2] = QStringLiteral(" 2: 1");
    league->crossTables[1].cells[2][1] = QStringLiteral(" 1: 2");
    league->tablePath = QStringLiteral("/earlier/TABLE.TFL");
    return league;
}

bool sameCells(const soccer::CrossTable &a, const soccer::CrossTable &b, int count) {
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= count; ++c) {
            if (a.cells[r][c] != b.cells[r][c])
                return false;
        }
    }
    return true;
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool sameStats(const soccer::CrossTable &a, const soccer::CrossTable &b, int count) {
    for (int t = 1; t <= count; ++t) {
        for (soccer::Counter counter : soccer::kScreenOrder) {
            if (!sameNumber(soccer::counterValue(a.stats[t], counter),
                            soccer::counterValue(b.stats[t], counter)))
                return false;
        }
    }
    return true;
}

// The table part of two Leagues for teams 1..count: names, cells and statistics.
bool sameTable(const soccer::League &a, const soccer::League &b, int count) {
    for (int t = 1; t <= count; ++t) {
        if (a.teamNames[t] != b.teamNames[t])
            return false;
    }
    for (int half = 1; half <= 2; ++half) {
        if (!sameCells(a.crossTables[half], b.crossTables[half], count) ||
            !sameStats(a.crossTables[half], b.crossTables[half], count))
            return false;
    }
    return true;
}

// The whole fixed range, not only 1..N: a failed load must not leave anything behind.
bool untouched(const soccer::League &now, const soccer::League &before) {
    return now.teamCount == before.teamCount && now.tablePath == before.tablePath &&
           sameTable(now, before, soccer::kMaxTeams);
}

bool storableTexts(const soccer::League &league) {
    const auto fine = [](const QString &text) {
        return soccer::tableTextProblem(text) == soccer::TextProblem::None;
    };
    for (int t = 1; t <= league.teamCount; ++t) {
        if (!fine(league.teamNames[t]))
            return false;
    }
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= league.teamCount; ++r) {
            for (int c = 1; c <= league.teamCount; ++c) {
                if (!fine(league.crossTables[half].cells[r][c]))
                    return false;
            }
        }
    }
    return true;
}

void checkTableRoundTrip(const soccer::League &loaded) {
    const QByteArray written = soccer::tableBytes(loaded);
    if (!storableTexts(loaded))
        return;
    auto reread = std::make_unique<soccer::League>();
    try {
        soccer::parseTable(written, *reread);
    } catch (const soccer::CoreError &) {
        broken("a loaded table, written back, cannot be read again");
    }
    if (reread->teamCount != loaded.teamCount || !sameTable(loaded, *reread, loaded.teamCount))
        broken("a loaded table, written back and read again, is not the same table");
}

void fuzzTableReader(const QByteArray &bytes) {
    static const std::unique_ptr<soccer::League> before = earlierLeague();
    static std::unique_ptr<soccer::League> league = earlierLeague();
    try {
        soccer::parseTable(bytes, *league);
    } catch (const soccer::CoreError &) {
        if (!untouched(*league, *before))
            broken("a table that failed to load changed the League");
        return;
    }
    if (league->teamCount < 1 || league->teamCount > soccer::kMaxTeams)
        broken("a loaded table has a team count outside 1..99");
    checkTableRoundTrip(*league);
    *league = *before;
}

void fuzzOptionsReader(const QByteArray &bytes) {
    soccer::ColorScheme scheme;
    try {
        scheme = soccer::parseOptions(bytes);
    } catch (const soccer::CoreError &) {
        return;
    }
    soccer::ColorScheme reread;
    try {
        reread = soccer::parseOptions(soccer::optionsBytes(scheme));
    } catch (const soccer::CoreError &) {
        broken("loaded colours, written back, cannot be read again");
    }
    if (!(reread == scheme))
        broken("loaded colours, written back and read again, are not the same colours");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    fuzzTableReader(bytes);
    fuzzOptionsReader(bytes);
    return 0;
}
