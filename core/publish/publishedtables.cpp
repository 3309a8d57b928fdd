#include "core/publish/publishedtables.h"

#include "core/publish/publishedrounds.h"

#include "core/competition/competitionnotes.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/ranking/ranking.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <memory>

namespace soccer {

namespace {

// One ranked row of the results table: the team's totals and its place under the rule.
struct ResultsLine {
    ResultsRow totals;
    RankedRow ranked;
};

// One column of the results table: its header, role and the text it shows for a row. A new
// column is one more entry in resultsColumns().
struct ResultsColumn {
    PublishedColumn column;
    std::function<QString(const ResultsLine &)> text;
};

PublishedColumn publishedColumn(const StatisticColumn &statistic) {
    return {statistic.publishedHeader.toString(), statistic.publishedDescription.toString(),
            ColumnRole::Statistic, statistic.counter == Counter::Points};
}

ResultsColumn resultsColumn(const AddedColumn &added) {
    return {added.column,
            [text = added.text](const ResultsLine &line) { return text(line.totals.team); }};
}

void appendAdded(std::vector<ResultsColumn> &columns, const std::vector<AddedColumn> &added,
                 bool afterName) {
    for (const AddedColumn &column : added) {
        if (column.afterName == afterName)
            columns.push_back(resultsColumn(column));
    }
}

// The columns read `rules` for the marks of the organiser's decisions: keep it alive while
// they are used.
std::vector<ResultsColumn> resultsColumns(const RankingRule &rule, const CompetitionRules &rules,
                                          const std::vector<AddedColumn> &added) {
    std::vector<ResultsColumn> columns;
    columns.push_back({{QStringLiteral("Место"), {}, ColumnRole::Place},
                       [](const ResultsLine &line) { return line.ranked.place; }});
    columns.push_back(
        {{QStringLiteral("Команда"), {}, ColumnRole::TeamName}, [&rules](const ResultsLine &line) {
             return markedName(rules, line.totals.team, line.totals.name);
         }});
    appendAdded(columns, added, true);
    for (const StatisticColumn &statistic : kPublishedResultsColumns) {
        columns.push_back({publishedColumn(statistic),
                           [&rules, counter = statistic.counter](const ResultsLine &line) {
                               const QString text = statisticText(line.totals.value(counter));
                               if (counter != Counter::Points)
                                   return text;
                               return markedPoints(rules, line.totals.team, text);
                           }});
    }
    if (publishesReasons(rule)) {
        columns.push_back(
            {{QStringLiteral("Основание"), QStringLiteral("Что ставит команду выше следующей"),
              ColumnRole::Reason},
             [](const ResultsLine &line) { return line.ranked.reason; }});
    }
    appendAdded(columns, added, false);
    return columns;
}

int publishedCount(const League &league) {
    return std::clamp(league.teamCount, 0, kMaxTeams);
}

bool readsScores(const RankingRule &rule) {
    return std::ranges::any_of(rule.criteria(), isHeadToHead);
}

// The rows of the ranking, computed on a copy of what the ranking reads (names, statistics
// and, for head-to-head, the scores), so that the order the window shows now is left alone.
std::vector<ResultsLine> rankedLines(const League &league) {
    auto ranked = std::make_unique<League>();
    ranked->teamCount = publishedCount(league);
    ranked->teamNames = league.teamNames;
    ranked->competition = league.competition;
    for (int k = 1; k <= 2; ++k) {
        ranked->crossTables[k].stats = league.crossTables[k].stats;
        if (readsScores(league.rankingRule))
            ranked->crossTables[k].cells = league.crossTables[k].cells;
    }
    std::vector<RankedRow> places = rankByRule(*ranked, league.rankingRule);
    std::vector<ResultsRow> totals = resultsRows(*ranked);
    std::vector<ResultsLine> lines;
    lines.reserve(totals.size());
    for (std::size_t i = 0; i < totals.size() && i < places.size(); ++i)
        lines.push_back({std::move(totals[i]), std::move(places[i])});
    return lines;
}

QString crossCaption(int half) {
    return half == 1 ? QStringLiteral("Шахматная таблица (1)")
                     : QStringLiteral("Шахматная таблица (2)");
}

} // namespace

bool publishesReasons(const RankingRule &rule) {
    return !rule.isProgramRule();
}

int PublishedTable::rowHeaderColumns() const {
    int count = 0;
    while (count < int(columns.size()) && (columns[count].role == ColumnRole::Place ||
                                           columns[count].role == ColumnRole::TeamNumber ||
                                           columns[count].role == ColumnRole::TeamName))
        ++count;
    return count;
}

QString statisticHeader(Counter counter) {
    return columnOf(counter).publishedHeader.toString();
}

PublishedTable publishedResults(const League &league) {
    return publishedResults(league, {});
}

PublishedTable publishedResults(const League &league, const std::vector<AddedColumn> &added) {
    PublishedTable table;
    table.kind = PublishedTableKind::Results;
    table.caption = QStringLiteral("Таблица результатов");
    const std::vector<ResultsColumn> columns =
        resultsColumns(league.rankingRule, league.competition, added);
    for (const ResultsColumn &column : columns)
        table.columns.push_back(column.column);
    for (const ResultsLine &line : rankedLines(league)) {
        std::vector<PublishedCell> cells;
        cells.reserve(columns.size());
        for (const ResultsColumn &column : columns)
            cells.push_back({column.text(line)});
        table.rows.push_back(std::move(cells));
    }
    table.notes = competitionNotes(league);
    return table;
}

PublishedTable publishedCrossTable(const League &league, int half) {
    const int count = publishedCount(league);
    const CrossTable &cross = league.crossTables[half == 1 ? 1 : 2];
    PublishedTable table;
    table.kind = half == 1 ? PublishedTableKind::FirstHalf : PublishedTableKind::SecondHalf;
    table.caption = crossCaption(half);
    table.columns.push_back(
        {QStringLiteral("№"), QStringLiteral("Номер команды"), ColumnRole::TeamNumber});
    table.columns.push_back({QStringLiteral("Команда"), {}, ColumnRole::TeamName});
    for (int c = 1; c <= count; ++c)
        table.columns.push_back({QString::number(c), league.teamNames[c], ColumnRole::Score});
    for (const StatisticColumn &column : kPublishedCrossTableColumns)
        table.columns.push_back(publishedColumn(column));
    table.rows.reserve(std::size_t(count));
    for (int r = 1; r <= count; ++r) {
        std::vector<PublishedCell> cells;
        cells.reserve(table.columns.size());
        cells.push_back({QString::number(r)});
        cells.push_back({league.teamNames[r]});
        // A score text keeps a blank before a number that is not negative; on paper and in a
        // spreadsheet that blank is only in the way.
        for (int c = 1; c <= count; ++c)
            cells.push_back({cross.cells[r][c].trimmed(), r == c});
        for (const StatisticColumn &column : kPublishedCrossTableColumns)
            cells.push_back({statisticText(counterValue(cross.stats[r], column.counter))});
        table.rows.push_back(std::move(cells));
    }
    return table;
}

PublishedTable publishedTable(const League &league, PublishedTableKind kind) {
    switch (kind) {
    case PublishedTableKind::FirstHalf:
        return publishedCrossTable(league, 1);
    case PublishedTableKind::SecondHalf:
        return publishedCrossTable(league, 2);
    case PublishedTableKind::Rounds:
        return publishedRounds(league);
    case PublishedTableKind::Results:
        break;
    }
    return publishedResults(league);
}

QString publicationTitle(const QString &tablePath) {
    return QFileInfo(tablePath).completeBaseName();
}

Publication publication(const League &league, const std::vector<PublishedTableKind> &kinds,
                        QDate date) {
    Publication result;
    result.title = publicationTitle(league.tablePath);
    result.date = date;
    for (PublishedTableKind kind : kinds)
        result.tables.push_back(publishedTable(league, kind));
    return result;
}

std::vector<PublishedTableKind> fullPublicationKinds(const League &league) {
    std::vector<PublishedTableKind> kinds = {
        PublishedTableKind::Results, PublishedTableKind::FirstHalf, PublishedTableKind::SecondHalf};
    if (!league.calendar.empty())
        kinds.push_back(PublishedTableKind::Rounds);
    return kinds;
}

Publication fullPublication(const League &league, QDate date) {
    return publication(league, fullPublicationKinds(league), date);
}

} // namespace soccer
