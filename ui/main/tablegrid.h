#pragma once

#include <QColor>
#include <QString>
#include <QTableView>
#include <vector>

class QKeyEvent;
class QMouseEvent;
namespace platform {
class ColumnFit;
}

// A grid of the main window: a view with no header bands over one of the window's models, in
// which row 0 and the name columns are ordinary cells that the model paints as headers, so a
// click on them makes them the current cell like any other. Cells are read-only.
//
// The column widths that the window sets are minimums: a column widens to show its longest
// text whole, and narrows again, never below its minimum, when that text goes. The width each
// cell needs is kept, so that a changed cell costs one measure, not a column's.
class TableGrid : public QTableView {
    Q_OBJECT

  public:
    explicit TableGrid(QWidget *parent = nullptr);
    ~TableGrid() override;

    void setModel(QAbstractItemModel *model) override;

    int rowCount() const;
    int columnCount() const;

    // What a cell shows: its text, its background (invalid when none) and its alignment.
    QString text(int row, int column) const;
    QColor background(int row, int column) const;
    Qt::Alignment alignment(int row, int column) const;

    void setColumnWidthTwips(int column, int twips);
    void setRowHeightTwips(int twips);
    int columnWidthTwips(int column) const;
    int rowHeightTwips() const;
    // The width at which the grid shows all its columns without scrolling sideways.
    int widthToShowAllColumns() const;

    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);
    // Shows the top row and the first column, wherever the current cell is; a hidden grid
    // does so when it is shown (where it would otherwise scroll to its current cell).
    void scrollToTopLeft();

  signals:
    // A click has made a cell the current one, or Enter or Space was pressed on the current
    // cell (which the arrow keys move), so that the keyboard does whatever a click does.
    void cellClicked();
    // The pointer moved over the grid; the position is in twips from the grid's top-left.
    void pointerMoved(int xTwips, int yTwips);

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles) override;

  private:
    QVariant cellData(int row, int column, int role) const;
    void measureAllCells();
    int measureCell(int row, int column);

    platform::ColumnFit *columnFit_;
    std::vector<int> cellWidths_; // row by row
    bool topLeftOnShow_ = false;
};
