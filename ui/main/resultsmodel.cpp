#include "ui/main/resultsmodel.h"

#include "core/competition/competitionnotes.h"
#include "core/league/score.h"
#include "ui/document/leaguedocument.h"

namespace {

constexpr int kPlaceColumn = 0;
constexpr int kNameColumn = 1;

} // namespace

ResultsModel::ResultsModel(LeagueDocument *document, QObject *parent)
    : GridModel(document, parent) {
    connect(document, &LeagueDocument::reloaded, this, [this] {
        rows_.clear();
        reshape();
    });
    connect(document, &LeagueDocument::resultsOrderChanged, this, &ResultsModel::takeOrder);
}

int ResultsModel::columnsFor(int) const {
    return kFirstStatisticColumn + int(soccer::kResultsGridColumns.size());
}

std::span<const soccer::StatisticColumn> ResultsModel::statistics() const {
    return soccer::kResultsGridColumns;
}

int ResultsModel::firstStatisticColumn() const {
    return kFirstStatisticColumn;
}

QString ResultsModel::text(int row, int column) const {
    if (row == 0)
        return headerText(column);
    if (column == kPlaceColumn) {
        const soccer::RankedRow *ranked = rankedRow(row);
        return ranked ? ranked->place : QString::number(row);
    }
    return std::size_t(row) <= rows_.size() ? rowText(rows_[std::size_t(row - 1)], column)
                                            : QString();
}

// The points of a team with adjustments tell their reasons; every other cell tells the reason
// of the place, under a table's own rule.
QVariant ResultsModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::ToolTipRole || !index.isValid())
        return GridModel::data(index, role);
    const soccer::StatisticColumn *statistic = statisticAt(index.column());
    const int row = index.row();
    if (statistic && statistic->counter == soccer::Counter::Points && row >= 1 &&
        std::size_t(row) <= rows_.size()) {
        const QString reasons = soccer::adjustmentsOf(document().league().competition,
                                                      rows_[std::size_t(row - 1)].team);
        if (!reasons.isEmpty())
            return reasons;
    }
    const soccer::RankedRow *ranked = rankedRow(row);
    return ranked ? QVariant(ranked->reason) : QVariant();
}

// The ranking's row shown at grid row `row`, only under a table's own rule: the program's
// rule shows plain places as it always has.
const soccer::RankedRow *ResultsModel::rankedRow(int row) const {
    const std::vector<soccer::RankedRow> &ranked = document().rankedRows();
    if (row < 1 || !document().hasOwnRule() || std::size_t(row) > ranked.size())
        return nullptr;
    return &ranked[std::size_t(row - 1)];
}

QString ResultsModel::headerText(int column) const {
    if (column == kPlaceColumn)
        return QStringLiteral("№");
    if (column == kNameColumn)
        return QStringLiteral("Команды");
    const soccer::StatisticColumn *statistic = statisticAt(column);
    return statistic ? statistic->header.toString() : QString();
}

QString ResultsModel::rowText(const soccer::ResultsRow &row, int column) const {
    const soccer::CompetitionRules &rules = document().league().competition;
    if (column == kNameColumn)
        return soccer::markedName(rules, row.team, row.name.toUpper());
    const soccer::StatisticColumn *statistic = statisticAt(column);
    if (!statistic)
        return QString();
    const QString text = soccer::statisticText(row.value(statistic->counter));
    return statistic->counter == soccer::Counter::Points
               ? soccer::markedPoints(rules, row.team, text)
               : text;
}

// Announces, row by row, the span of cells whose text the new order changes.
void ResultsModel::takeOrder() {
    std::vector<soccer::ResultsRow> previous = std::move(rows_);
    rows_ = soccer::resultsRows(document().league());
    const int lastColumn = columnCount() - 1;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        int first = -1;
        int last = -1;
        for (int column = kNameColumn; column <= lastColumn; ++column) {
            const QString now = rowText(rows_[i], column);
            if (i < previous.size() && rowText(previous[i], column) == now)
                continue;
            if (first < 0)
                first = column;
            last = column;
        }
        if (first >= 0)
            announceRange(int(i) + 1, first, int(i) + 1, last);
    }
    // Shared places and reasons come and go with the rule and the ordering.
    if (!rows_.empty())
        announceRange(1, kPlaceColumn, int(rows_.size()), kPlaceColumn);
}
