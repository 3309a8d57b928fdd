#include "ui/main/seasonmodel.h"

#include "core/league/columns.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/publish/publishedseason.h"

SeasonModel::SeasonModel(QObject *parent) : QAbstractTableModel(parent) {}

void SeasonModel::show(const soccer::League &league, const soccer::TableView &view,
                       const soccer::SeasonColumns &columns) {
    beginResetModel();
    table_ = soccer::seasonTable(league, view, {columns.movement, columns.form, false});
    rows_ = soccer::resultsRows(*table_.league);
    places_.clear();
    columns_ = {{Column::Place}, {Column::Name}};
    if (columns.movement && view.afterRound > 0)
        columns_.push_back({Column::Movement});
    for (const soccer::StatisticColumn &statistic : soccer::kResultsGridColumns)
        columns_.push_back({Column::Statistic, &statistic});
    if (columns.form)
        columns_.push_back({Column::Form});
    if (columns.places)
        columns_.push_back({Column::Places});
    endResetModel();
}

void SeasonModel::setPlaces(const QList<soccer::TeamPlaces> &places, int relegationPlaces) {
    places_ = places;
    relegationPlaces_ = relegationPlaces;
    const int last = columnCount() - 1;
    if (last >= 0 && !rows_.empty() && kindOf(last) == Column::Places)
        emit dataChanged(index(0, last), index(rowCount() - 1, last));
}

void SeasonModel::setColors(const soccer::ColorScheme &scheme) {
    colors_ = GridColors::of(scheme);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

// The results grid has its header row above the first team, so the first team's row is its
// row 1; the place and the name are header cells there.
QBrush SeasonModel::background(int row, const ColumnSpec &column) const {
    if (column.kind == Column::Place || column.kind == Column::Name)
        return colors_.main;
    return colors_.stripe(row + 1);
}

int SeasonModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int SeasonModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

const std::vector<soccer::FormResult> &SeasonModel::formAt(int row) const {
    return table_.form[std::size_t(rows_[std::size_t(row)].team)];
}

QString SeasonModel::placesText(int team) const {
    if (places_.isEmpty())
        return QStringLiteral("…");
    const soccer::TeamPlaces places = places_.value(team - 1);
    const QString mark = soccer::placesMark(places, int(rows_.size()), relegationPlaces_);
    return soccer::placesCellText(places) + (mark.isEmpty() ? QString() : u' ' + mark);
}

QString SeasonModel::placesNote(int team) const {
    if (places_.isEmpty())
        return QStringLiteral("Места считаются");
    const QString note =
        QStringLiteral("Лучшее и худшее место по очкам; при равенстве очков лучшее место "
                       "считается в пользу команды, худшее — против неё");
    return places_.value(team - 1).isFinal()
               ? note
               : note + QStringLiteral(". * — время расчёта истекло: границы доказаны, но "
                                       "могут быть не окончательными");
}

QString SeasonModel::text(int row, const ColumnSpec &column) const {
    const soccer::ResultsRow &line = rows_[std::size_t(row)];
    switch (column.kind) {
    case Column::Place:
        return table_.ranking[std::size_t(row)].place;
    case Column::Name:
        return line.name.toUpper();
    case Column::Movement:
        return table_.movement[std::size_t(line.team)];
    case Column::Statistic:
        return soccer::statisticText(line.value(column.statistic->counter));
    case Column::Form:
        return soccer::formText(formAt(row));
    case Column::Places:
        return placesText(line.team);
    }
    return {};
}

QVariant SeasonModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ColumnSpec &column = columns_[std::size_t(index.column())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return text(index.row(), column);
    if (role == Qt::ToolTipRole && column.kind == Column::Places)
        return placesNote(rows_[std::size_t(index.row())].team);
    if (role == Qt::BackgroundRole)
        return background(index.row(), column);
    if (role == Qt::TextAlignmentRole)
        return int(column.kind == Column::Name ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
    return {};
}

QVariant SeasonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ColumnSpec &column = columns_[std::size_t(section)];
    switch (column.kind) {
    case Column::Place:
        return QStringLiteral("№");
    case Column::Name:
        return QStringLiteral("Команды");
    case Column::Movement:
        return QStringLiteral("±");
    case Column::Statistic:
        return column.statistic->header.toString();
    case Column::Form:
        return QStringLiteral("Последние 5");
    case Column::Places:
        return QStringLiteral("Места");
    }
    return {};
}
