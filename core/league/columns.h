#pragma once

#include "core/league/league.h"

#include <QStringView>
#include <array>
#include <cstddef>

// The statistic columns of a team: the one list that the cross-table grids, the results table,
// the table file and the ordering by a header click all follow. A new column (a deduction, a
// goal difference shown) is a line here and the code that computes its counter, nothing else.
namespace soccer {

// What a click on a column's header orders the results table by.
enum class Ordering {
    ByCounter,     // that column's totals, largest first
    ByRankingRule, // the table's ranking rule (points first)
};

struct StatisticColumn {
    Counter counter;
    QStringView header;          // as the grids head the column
    QStringView publishedHeader; // on paper, in a page and in a spreadsheet
    // Place in a statistics line of the table file, or kNotStored for a column that is only
    // shown (computed from stored ones).
    int filePosition;
    Ordering ordering;
    // "Мя" and "чи" read as one word across two columns, so their headers lean towards each
    // other instead of standing centred.
    bool headerLeansLeft;
};

constexpr int kNotStored = -1;

// In the order of the screen columns.
// clang-format off
inline constexpr std::array<StatisticColumn, 7> kStatisticColumns = {{
//   counter                 header  published      file  ordering                  leans left
    {Counter::Played,       u"И",   u"Игры",       0,    Ordering::ByCounter,      false},
    {Counter::Losses,       u"П",   u"Поражения",  1,    Ordering::ByCounter,      false},
    {Counter::Draws,        u"Н",   u"Ничьи",      2,    Ordering::ByCounter,      false},
    {Counter::Wins,         u"В",   u"Победы",     3,    Ordering::ByCounter,      false},
    {Counter::GoalsFor,     u"Мя",  u"Забито",     4,    Ordering::ByCounter,      true},
    {Counter::GoalsAgainst, u"чи",  u"Пропущено",  5,    Ordering::ByCounter,      true},
    {Counter::Points,       u"О",   u"Очки",       6,    Ordering::ByRankingRule,  false},
}};
// clang-format on
constexpr int kStatisticColumnCount = int(kStatisticColumns.size());

// The place of a counter's column in kStatisticColumns.
constexpr std::size_t columnIndexOf(Counter counter) {
    for (std::size_t i = 0; i < kStatisticColumns.size(); ++i) {
        if (kStatisticColumns[i].counter == counter)
            return i;
    }
    return 0;
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
