#pragma once

#include "core/league/columns.h"
#include "ui/main/gridcolors.h"

#include <QAbstractTableModel>
#include <span>

class LeagueDocument;

// What the three grids of the main window have in common, as a model over the open table:
// row 0 and the number and name columns are headers in the main colour, the other rows are
// striped (even rows the main colour, odd rows the second), texts stand centred at the bottom
// except the headers that lean left. Cells are read-only. Subclasses give the texts and the
// shape; a change is announced for exactly the cells it touches.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit GridModel(LeagueDocument *document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The statistic a grid column shows; null for any other column.
    const soccer::StatisticColumn *statisticAt(int column) const;

  protected:
    virtual QString text(int row, int column) const = 0;
    virtual int columnsFor(int teamCount) const = 0;
    // The first of the statistic columns and the columns this grid shows there, in order.
    virtual int firstStatisticColumn() const = 0;
    virtual std::span<const soccer::StatisticColumn> statistics() const = 0;
    // The cells in which a team meets itself, painted near-black.
    virtual bool isDiagonal(int row, int column) const;

    const LeagueDocument &document() const { return *document_; }
    // Takes the shape of the table now open; every cell is new.
    void reshape();
    void announce(int row, int column);
    void announceRange(int top, int left, int bottom, int right);

  private:
    QVariant background(int row, int column) const;
    QVariant alignment(int row, int column) const;
    void takeColors();
    void recolor();

    LeagueDocument *document_;
    int rows_ = 0;
    int columns_ = 0;
    GridColors colors_;
};
