#pragma once

#include "core/league/league.h"

#include <QStringView>
#include <array>
#include <cstddef>

// The statistic columns of a team: the one list that the cross-table grids, the results grid,
// the published tables, the table file and the ordering by a header click all follow. A new
// column is a line here (saying where it is shown and how its value is had) and, for a
// computed one, its case in counterValue; nothing else.
namespace soccer {

// What a click on a column's header orders the results table by.
enum class Ordering {
    ByCounter,     // that column's totals, largest first
    ByRankingRule, // the table's ranking rule (points first)
};

// Where a column is shown; a column names every view it appears in.
enum class View : unsigned {
    CrossTables = 1U << 0,          // the grids of the two halves
    ResultsGrid = 1U << 1,          // the results table on screen
    PublishedCrossTables = 1U << 2, // both halves on paper, in a page and in a spreadsheet
    PublishedResults = 1U << 3,     // the results table there
};

// A set of views.
struct Views {
    unsigned bits = 0;
    constexpr Views() = default;
    constexpr Views(View view) : bits(unsigned(view)) {}
    constexpr explicit Views(unsigned mask) : bits(mask) {}
    constexpr bool has(View view) const { return (bits & unsigned(view)) != 0; }
};
constexpr Views operator|(Views a, Views b) {
    return Views(a.bits | b.bits);
}
constexpr Views operator|(View a, View b) {
    return Views(a) | Views(b);
}
inline constexpr Views kEveryView =
    View::CrossTables | View::ResultsGrid | View::PublishedCrossTables | View::PublishedResults;

// How a column's value is had: a counter the scores add up and the table file keeps, or one
// that counterValue works out from the stored ones.
enum class Value { Stored, Computed };

struct StatisticColumn {
    Counter counter;
    QStringView header;               // as the grids head the column
    QStringView publishedHeader;      // on paper, in a page and in a spreadsheet
    QStringView publishedDescription; // what the published header stands for, when it says less
    Value value;
    // Place in a statistics line of the table file, or kNotStored for a computed column.
    int filePosition;
    Ordering ordering;
    // "Мя" and "чи" read as one word across two columns, so their headers lean towards each
    // other instead of standing centred.
    bool headerLeansLeft;
    Views shownIn;
};

constexpr int kNotStored = -1;

// In the order of the columns in every view; each view shows those that name it.
// clang-format off
inline constexpr std::array kStatisticColumns = {
//                  counter                 header  published     description      value          file        ordering                  leans  shown in
    StatisticColumn{Counter::Played,        u"И",   u"Игры",      u"",             Value::Stored,   0,          Ordering::ByCounter,      false, kEveryView},
    StatisticColumn{Counter::Losses,        u"П",   u"Поражения", u"",             Value::Stored,   1,          Ordering::ByCounter,      false, kEveryView},
    StatisticColumn{Counter::Draws,         u"Н",   u"Ничьи",     u"",             Value::Stored,   2,          Ordering::ByCounter,      false, kEveryView},
    StatisticColumn{Counter::Wins,          u"В",   u"Победы",    u"",             Value::Stored,   3,          Ordering::ByCounter,      false, kEveryView},
    StatisticColumn{Counter::GoalsFor,      u"Мя",  u"Забито",    u"",             Value::Stored,   4,          Ordering::ByCounter,      true,  kEveryView},
    StatisticColumn{Counter::GoalsAgainst,  u"чи",  u"Пропущено", u"",             Value::Stored,   5,          Ordering::ByCounter,      true,  kEveryView},
    StatisticColumn{Counter::Points,        u"О",   u"Очки",      u"",             Value::Stored,   6,          Ordering::ByRankingRule,  false, kEveryView},
    StatisticColumn{Counter::GoalDifference,u"Р",   u"Разница",   u"Разница мячей",Value::Computed, kNotStored, Ordering::ByCounter,      false, View::PublishedResults},
};
// clang-format on

namespace columns_detail {

constexpr std::size_t countShownIn(View view) {
    std::size_t count = 0;
    for (const StatisticColumn &column : kStatisticColumns)
        count += column.shownIn.has(view) ? 1 : 0;
    return count;
}

template <View V> constexpr auto shownIn() {
    std::array<StatisticColumn, countShownIn(V)> shown{};
    std::size_t next = 0;
    for (const StatisticColumn &column : kStatisticColumns) {
        if (column.shownIn.has(V))
            shown[next++] = column;
    }
    return shown;
}

constexpr bool storedExactlyWhenInFile() {
    for (const StatisticColumn &column : kStatisticColumns) {
        if ((column.value == Value::Stored) != (column.filePosition != kNotStored))
            return false;
    }
    return true;
}
static_assert(storedExactlyWhenInFile(), "a stored column has a file position, a computed none");

} // namespace columns_detail

// The columns one view shows, in its order.
inline constexpr auto kCrossTableColumns = columns_detail::shownIn<View::CrossTables>();
inline constexpr auto kResultsGridColumns = columns_detail::shownIn<View::ResultsGrid>();
inline constexpr auto kPublishedCrossTableColumns =
    columns_detail::shownIn<View::PublishedCrossTables>();
inline constexpr auto kPublishedResultsColumns = columns_detail::shownIn<View::PublishedResults>();

// The first column in the list that shows a counter.
constexpr const StatisticColumn &columnOf(Counter counter) {
    for (const StatisticColumn &column : kStatisticColumns) {
        if (column.counter == counter)
            return column;
    }
    return kStatisticColumns[0];
}

namespace columns_detail {

constexpr std::size_t storedCount() {
    std::size_t count = 0;
    for (const StatisticColumn &column : kStatisticColumns)
        count += column.filePosition != kNotStored ? 1 : 0;
    return count;
}

template <std::size_t Count> constexpr std::array<Counter, Count> storedInFileOrder() {
    std::array<Counter, Count> counters{};
    for (const StatisticColumn &column : kStatisticColumns) {
        if (column.filePosition != kNotStored)
            counters[std::size_t(column.filePosition)] = column.counter;
    }
    return counters;
}

constexpr bool filePositionsAreAPermutation() {
    std::array<bool, kStatisticColumns.size()> taken{};
    for (const StatisticColumn &column : kStatisticColumns) {
        if (column.filePosition == kNotStored)
            continue;
        if (column.filePosition < 0 || std::size_t(column.filePosition) >= storedCount() ||
            taken[std::size_t(column.filePosition)])
            return false;
        taken[std::size_t(column.filePosition)] = true;
    }
    return true;
}
static_assert(filePositionsAreAPermutation(), "every stored column needs its own file position");

} // namespace columns_detail

// The counters a statistics line of the table file holds, in the file's order. They are also
// every counter that scores add up, so totals are sums of these.
inline constexpr auto kStoredCounters =
    columns_detail::storedInFileOrder<columns_detail::storedCount()>();

} // namespace soccer
