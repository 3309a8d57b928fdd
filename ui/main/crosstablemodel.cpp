#include "ui/main/crosstablemodel.h"

#include "core/league/score.h"

namespace {

constexpr int kNumberColumn = 0;
constexpr int kNameColumn = 1;

} // namespace

CrossTableModel::CrossTableModel(LeagueDocument *document, int half, QObject *parent)
    : GridModel(document, parent), half_(half) {
    connect(document, &LeagueDocument::reloaded, this, [this] {
        typedNames_.clear();
        reshape();
    });
    connect(document, &LeagueDocument::matchesChanged, this, &CrossTableModel::matchesChanged);
    connect(document, &LeagueDocument::statisticsChanged, this,
            &CrossTableModel::statisticsChanged);
    connect(document, &LeagueDocument::namesChanged, this, &CrossTableModel::namesChanged);
    connect(document, &LeagueDocument::resultsCleared, this, &CrossTableModel::resultsCleared);
}

int CrossTableModel::statisticColumn(int index) const {
    return firstStatisticColumn() + index;
}

int CrossTableModel::columnsFor(int teamCount) const {
    return 2 + teamCount + int(soccer::kCrossTableColumns.size());
}

int CrossTableModel::firstStatisticColumn() const {
    return scoreColumn(document().teamCount()) + 1;
}

std::span<const soccer::StatisticColumn> CrossTableModel::statistics() const {
    return soccer::kCrossTableColumns;
}

bool CrossTableModel::isDiagonal(int row, int column) const {
    return column == scoreColumn(row);
}

QString CrossTableModel::text(int row, int column) const {
    return row == 0 ? headerText(column) : teamRowText(row, column);
}

QString CrossTableModel::headerText(int column) const {
    if (column == kNumberColumn)
        return QStringLiteral("№");
    if (column == kNameColumn)
        return QStringLiteral("Команды");
    if (const soccer::StatisticColumn *statistic = statisticAt(column))
        return statistic->header.toString();
    return QString::number(column - 1);
}

QString CrossTableModel::teamRowText(int team, int column) const {
    const soccer::League &league = document().league();
    if (column == kNumberColumn)
        return QString::number(team);
    if (column == kNameColumn) {
        const auto typed = typedNames_.constFind(team);
        return typed != typedNames_.constEnd() ? *typed : league.teamNames[team];
    }
    const soccer::CrossTable &table = league.crossTables[half_];
    const soccer::StatisticColumn *statistic = statisticAt(column);
    if (!statistic)
        return table.cells[team][column - 1];
    return soccer::statisticText(soccer::counterValue(table.stats[team], statistic->counter));
}

void CrossTableModel::showTypedName(int team, const QString &name) {
    typedNames_.insert(team, name);
    announce(team, kNameColumn);
}

void CrossTableModel::matchesChanged(int half, const std::vector<LeagueDocument::Match> &cells) {
    if (half != half_)
        return;
    for (const LeagueDocument::Match &cell : cells)
        announce(cell.row, scoreColumn(cell.column));
}

void CrossTableModel::statisticsChanged(int half,
                                        const std::vector<LeagueDocument::Statistic> &statistics) {
    if (half != half_)
        return;
    for (const LeagueDocument::Statistic &statistic : statistics)
        announce(statistic.team, statisticColumn(statistic.column));
}

void CrossTableModel::namesChanged(const std::vector<int> &teams) {
    for (int team : teams) {
        typedNames_.remove(team);
        announce(team, kNameColumn);
    }
}

void CrossTableModel::resultsCleared() {
    const int n = document().teamCount();
    if (n > 0)
        announceRange(1, scoreColumn(1), n, columnCount() - 1);
}
