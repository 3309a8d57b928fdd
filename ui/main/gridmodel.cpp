#include "ui/main/gridmodel.h"

#include "core/league/columns.h"
#include "ui/document/leaguedocument.h"

namespace {

constexpr Qt::Alignment kCellAlignment = Qt::AlignHCenter | Qt::AlignBottom;
constexpr Qt::Alignment kLeaningHeaderAlignment = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kNameColumn = 1;

} // namespace

GridModel::GridModel(LeagueDocument *document, QObject *parent)
    : QAbstractTableModel(parent), document_(document) {
    takeColors();
    connect(document, &LeagueDocument::colorsChanged, this, &GridModel::recolor);
}

int GridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::BackgroundRole:
        return background(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return alignment(index.row(), index.column());
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

bool GridModel::isDiagonal(int, int) const {
    return false;
}

QVariant GridModel::background(int row, int column) const {
    if (row == 0 || column <= kNameColumn)
        return colors_.main;
    if (isDiagonal(row, column))
        return colors_.diagonal;
    return colors_.stripe(row);
}

const soccer::StatisticColumn *GridModel::statisticAt(int column) const {
    const std::span<const soccer::StatisticColumn> shown = statistics();
    const int index = column - firstStatisticColumn();
    return index >= 0 && index < int(shown.size()) ? &shown[std::size_t(index)] : nullptr;
}

QVariant GridModel::alignment(int row, int column) const {
    const soccer::StatisticColumn *statistic = statisticAt(column);
    const bool leans = row == 0 && statistic && statistic->headerLeansLeft;
    return static_cast<int>(leans ? kLeaningHeaderAlignment : kCellAlignment);
}

void GridModel::reshape() {
    beginResetModel();
    rows_ = document_->teamCount() + 1;
    columns_ = columnsFor(document_->teamCount());
    endResetModel();
}

void GridModel::announce(int row, int column) {
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void GridModel::announceRange(int top, int left, int bottom, int right) {
    emit dataChanged(index(top, left), index(bottom, right), {Qt::DisplayRole});
}

void GridModel::takeColors() {
    colors_ = GridColors::of(document_->league().colors);
}

void GridModel::recolor() {
    takeColors();
    if (rows_ > 0 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::BackgroundRole});
}
