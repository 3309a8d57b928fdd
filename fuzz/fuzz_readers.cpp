// One fuzz target for both readers of the program's files: every input is read as a table file
// and as an options file. A CoreError is the reader's ordinary way of refusing a file; any
// other exception, a sanitizer report, or a broken promise of the readers aborts the run.
//
// Promises checked besides "no crash":
// - a table that loads has 1 to 99 teams, which is all the League's arrays hold;
// - a table that fails to load leaves the League exactly as it was;
// - a table that loads, written back, can be read again, and is the same table as long as its
//   texts are ones a table file can hold (no comma, quote, line break or character outside
//   1251); its ranking rule always comes back;
// - a table that loads ranks under every preset with each team once and places that grow
//   down the table, whatever its statistics (NaN and infinities included) and cells;
// - the input read as a ranking rule trailer or key never fails, and a rule's key names it;
// - an options file that loads, written back and read again, gives the same colours.

#include "core/files/codepage.h"
#include "core/files/options.h"
#include "core/files/tablefile.h"
#include "core/files/tablesection.h"
#include "core/league/columns.h"
#include "core/league/errors.h"
#include "core/league/league.h"
#include "core/ranking/ranking.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

namespace {

[[noreturn]] void broken(const char *promise) {
    std::fprintf(stderr, "fuzz_readers: broken promise: %s\n", promise);
    std::abort();
}

// The rows of both halves a reader that writes in place would touch first.
constexpr int kWatchedRows = 2;

// A League full of values no file is likely to hold, so that a failed load that touches it is
// noticed.
std::unique_ptr<soccer::League> earlierLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = 3;
    league->tablePath = QStringLiteral("/earlier/TABLE.TFL");
    league->rankingRule = soccer::RankingRule::fromPreset(soccer::RulePreset::HeadToHeadFirst);
    for (int t = 1; t <= soccer::kMaxTeams; ++t)
        league->teamNames[t] = QStringLiteral("Прежняя %1").arg(t);
    for (int half = 1; half <= 2; ++half) {
        soccer::CrossTable &table = league->crossTables[half];
        for (int t = 1; t <= soccer::kMaxTeams; ++t)
            table.stats[t].played = 1000 * half + t + 0.25;
        for (int r = 1; r <= kWatchedRows; ++r) {
            for (int c = 1; c <= soccer::kMaxTeams; ++c)
                table.cells[r][c] = QStringLiteral(" %1: %2 прежде").arg(half).arg(c);
        }
    }
    return league;
}

// A text read back from a file has lost its leading blanks, as every text the reader takes
// does; only a quoted text can bring them into a League in the first place.
bool sameTextRead(const QString &loaded, const QString &reread) {
    qsizetype start = 0;
    while (start < loaded.size() && (loaded[start] == u' ' || loaded[start] == u'\t'))
        ++start;
    return QStringView(loaded).sliced(start) == reread;
}

bool sameCellsRead(const soccer::CrossTable &a, const soccer::CrossTable &b, int count) {
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= count; ++c) {
            if (!sameTextRead(a.cells[r][c], b.cells[r][c]))
                return false;
        }
    }
    return true;
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Statistics are written with 15 significant digits, so that is what comes back.
bool sameNumberRead(double loaded, double reread) {
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15g", loaded);
    return reread == std::strtod(printed, nullptr);
}

bool sameStats(const soccer::CrossTable &a, const soccer::CrossTable &b, int count,
               bool (*same)(double, double)) {
    for (int t = 1; t <= count; ++t) {
        for (soccer::Counter counter : soccer::kStoredCounters) {
            if (!same(soccer::counterValue(a.stats[t], counter),
                      soccer::counterValue(b.stats[t], counter)))
                return false;
        }
    }
    return true;
}

// The table part of a loaded League and of the same League written and read back, for teams
// 1..count: names, cells and statistics.
bool sameTableRead(const soccer::League &a, const soccer::League &b, int count) {
    for (int t = 1; t <= count; ++t) {
        if (!sameTextRead(a.teamNames[t], b.teamNames[t]))
            return false;
    }
    for (int half = 1; half <= 2; ++half) {
        if (!sameCellsRead(a.crossTables[half], b.crossTables[half], count) ||
            !sameStats(a.crossTables[half], b.crossTables[half], count, sameNumberRead))
            return false;
    }
    return true;
}

// What a failed load is checked for: the count, the path, every name and statistic, and the
// watched rows. Checking (and restoring) only these keeps every input cheap.

bool sameWatched(const soccer::League &now, const soccer::League &before) {
    if (now.teamCount != before.teamCount || now.tablePath != before.tablePath ||
        !(now.rankingRule == before.rankingRule))
        return false;
    for (int t = 1; t <= soccer::kMaxTeams; ++t) {
        if (now.teamNames[t] != before.teamNames[t])
            return false;
    }
    for (int half = 1; half <= 2; ++half) {
        const soccer::CrossTable &a = now.crossTables[half];
        const soccer::CrossTable &b = before.crossTables[half];
        if (!sameStats(a, b, soccer::kMaxTeams, sameNumber))
            return false;
        for (int r = 1; r <= kWatchedRows; ++r) {
            if (a.cells[r] != b.cells[r])
                return false;
        }
    }
    return true;
}

void restoreWatched(soccer::League &league, const soccer::League &before) {
    league.teamCount = before.teamCount;
    league.tablePath = before.tablePath;
    league.rankingRule = before.rankingRule;
    league.teamNames = before.teamNames;
    for (int half = 1; half <= 2; ++half) {
        league.crossTables[half].stats = before.crossTables[half].stats;
        for (int r = 1; r <= kWatchedRows; ++r)
            league.crossTables[half].cells[r] = before.crossTables[half].cells[r];
    }
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
    static const auto reread = std::make_unique<soccer::League>();
    try {
        soccer::parseTable(written, *reread);
    } catch (const soccer::CoreError &) {
        broken("a loaded table, written back, cannot be read again");
    }
    if (!(reread->rankingRule == loaded.rankingRule))
        broken("a loaded table's ranking rule, written back and read again, is another rule");
    // The writer may replace what a table file cannot hold; everything else comes back as is.
    if (!storableTexts(loaded))
        return;
    // Code page 1251 bytes that also form valid UTF-8 ("Рё") are read as UTF-8: no real name
    // is spelled so, and a file cannot tell which was meant.
    if (soccer::tableTextCoding(written) == soccer::TextCoding::Utf8)
        return;
    if (reread->teamCount != loaded.teamCount || !sameTableRead(loaded, *reread, loaded.teamCount))
        broken("a loaded table, written back and read again, is not the same table");
    if (!(reread->competition == loaded.competition))
        broken("a loaded table's competition rules, written back and read again, are others");
    // Compared from the second writing on: the first may round a statistic near the largest
    // double up past it, which then reads back as infinite and is written so from then on.
    const QByteArray rewritten = soccer::tableBytes(*reread);
    static const auto third = std::make_unique<soccer::League>();
    soccer::parseTable(rewritten, *third);
    if (soccer::tableBytes(*third) != rewritten)
        broken("a loaded table, written back, read and written again, gives other bytes");
}

// The competition's rules but the texts of the adjustments, which the writer may have had to
// put in the code page with question marks.
bool sameDecisions(const soccer::CompetitionRules &a, const soccer::CompetitionRules &b) {
    const auto figures = [](const soccer::PointsAdjustment &adjustment) {
        return std::pair(adjustment.team, adjustment.points);
    };
    return a.points == b.points && a.technical == b.technical && a.withdrawals == b.withdrawals &&
           a.relegationPlaces == b.relegationPlaces &&
           std::ranges::equal(a.adjustments, b.adjustments, {}, figures, figures);
}

void checkRankings(soccer::League &league) {
    for (soccer::RulePreset preset : soccer::kAllPresets) {
        const auto rows = soccer::rankByRule(league, soccer::RankingRule::fromPreset(preset));
        if (int(rows.size()) != league.teamCount)
            broken("a ranking leaves out a team");
        std::array<bool, soccer::kArraySize> seen{};
        int lastFirst = 0;
        for (const soccer::RankedRow &row : rows) {
            if (row.team < 1 || row.team > league.teamCount || seen[std::size_t(row.team)] ||
                league.standingsOrder[std::size_t(row.position)] != row.team)
                broken("a ranking lists a team twice or not as its standings order");
            seen[std::size_t(row.team)] = true;
            if (row.firstPlace < lastFirst || row.firstPlace > row.position ||
                row.lastPlace < row.position || row.place.isEmpty())
                broken("a ranking's places do not grow down the table");
            lastFirst = row.firstPlace;
        }
    }
}

void fuzzTableReader(const QByteArray &bytes) {
    static const std::unique_ptr<soccer::League> before = earlierLeague();
    static std::unique_ptr<soccer::League> league = earlierLeague();
    try {
        soccer::parseTable(bytes, *league);
    } catch (const soccer::CoreError &) {
        if (!sameWatched(*league, *before))
            broken("a table that failed to load changed the League");
        return;
    }
    if (league->teamCount < 1 || league->teamCount > soccer::kMaxTeams)
        broken("a loaded table has a team count outside 1..99");
    checkTableRoundTrip(*league);
    checkRankings(*league);
    restoreWatched(*league, *before);
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

// The readers of the section after the names on their own, on the input taken as its lines:
// what they read, written back and read again, is read the same and written the same.
void fuzzSectionReaders(const QByteArray &bytes) {
    static const std::unique_ptr<soccer::League> league = earlierLeague();
    static const std::unique_ptr<soccer::League> reread = earlierLeague();
    soccer::ListReader reader(bytes);
    soccer::readTableSection(reader, *league);
    soccer::LineWriter writer;
    soccer::writeTableSection(writer, *league);
    soccer::ListReader again(writer.bytes());
    soccer::readTableSection(again, *reread);
    if (!(reread->rankingRule == league->rankingRule))
        broken("a section's rule, written back and read again, is another rule");
    if (!sameDecisions(reread->competition, league->competition))
        broken("a section's competition rules, written back and read again, are other rules");
    soccer::LineWriter rewriter;
    soccer::writeTableSection(rewriter, *reread);
    if (rewriter.bytes() != writer.bytes())
        broken("a section written back, read and written again, gives other bytes");
    const QString text = QString::fromLatin1(bytes);
    const std::optional<soccer::RankingRule> fromKey = soccer::ruleFromKey(text);
    if (fromKey && !(soccer::ruleFromKey(soccer::ruleKey(*fromKey)) == fromKey))
        broken("a rule read from a key is not named by its own key");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    fuzzTableReader(bytes);
    fuzzOptionsReader(bytes);
    fuzzSectionReaders(bytes);
    return 0;
}
