#pragma once

#include "ui/document/leaguedocument.h"
#include "ui/main/gridmodel.h"

#include <QHash>

// One cross-table of the open table as its grid shows it: row 0 heads the columns ("№",
// "Команды", the team numbers, the statistics), column 0 numbers the teams, column 1 names
// them, then a column per opponent with the scores and a column per statistic. A score entry
// announces the pair's two cells and the statistics that changed, nothing else.
class CrossTableModel : public GridModel {
    Q_OBJECT

  public:
    // `half` is 1 or 2: the cross-table of that half of the season.
    CrossTableModel(LeagueDocument *document, int half, QObject *parent = nullptr);

    int half() const { return half_; }
    // The grid column of the match against `opponent`, and of statistic `index`.
    static int scoreColumn(int opponent) { return opponent + 1; }
    int statisticColumn(int index) const;

    // Shows a name typed during the renaming of every team before the table takes it, so
    // that this grid follows the sequence while the other one still shows the old names.
    void showTypedName(int team, const QString &name);

  protected:
    QString text(int row, int column) const override;
    int columnsFor(int teamCount) const override;
    int firstStatisticColumn() const override;
    std::span<const soccer::StatisticColumn> statistics() const override;
    bool isDiagonal(int row, int column) const override;

  private:
    QString headerText(int column) const;
    QString teamRowText(int team, int column) const;

    void matchesChanged(int half, const std::vector<LeagueDocument::Match> &cells);
    void statisticsChanged(int half, const std::vector<LeagueDocument::Statistic> &statistics);
    void namesChanged(const std::vector<int> &teams);
    void resultsCleared();

    int half_;
    QHash<int, QString> typedNames_;
};
