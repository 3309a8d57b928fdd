#pragma once

#include "core/league/standings.h"
#include "core/ranking/ranking.h"
#include "ui/main/gridmodel.h"

#include <vector>

// The results table as its grid shows it: row 0 heads the columns ("№", "Команды", the
// statistics), then a row per place with the team's name in capitals and its totals of both
// halves. The rows are taken when the table is ordered and stay as they were until the next
// ordering, as the results table always has; a fresh table shows only the places.
class ResultsModel : public GridModel {
    Q_OBJECT

  public:
    explicit ResultsModel(LeagueDocument *document, QObject *parent = nullptr);

    static constexpr int kFirstStatisticColumn = 2;

    // Besides the texts, each row's reason for its place under a table's own rule.
    QVariant data(const QModelIndex &index, int role) const override;

  protected:
    QString text(int row, int column) const override;
    int columnsFor(int teamCount) const override;
    int firstStatisticColumn() const override;
    std::span<const soccer::StatisticColumn> statistics() const override;

  private:
    QString headerText(int column) const;
    QString rowText(const soccer::ResultsRow &row, int column) const;
    void takeOrder();
    const soccer::RankedRow *rankedRow(int row) const;

    std::vector<soccer::ResultsRow> rows_; // by place, from place 1; empty until ordered
};
