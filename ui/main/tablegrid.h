#pragma once

#include <QColor>
#include <QString>
#include <QTableView>

class QMouseEvent;
namespace platform {
class ColumnFit;
}

// A grid of text cells with no header bands: row 0 and the name columns are ordinary cells
// that the main window paints as headers, so a click on them makes them the current cell like
// any other. Cells are read-only; the window writes texts, backgrounds and alignments itself.
//
// Cells written while the grid is hidden cost no repaint each: the grid paints once when it is
// shown again, which is how the window fills thousands of cells at a time.
//
// The column widths that the window sets are minimums: a column widens to show its longest
// text whole, and narrows again, never below its minimum, when that text goes.
class TableGrid : public QTableView {
    Q_OBJECT

  public:
    explicit TableGrid(QWidget *parent = nullptr);
    ~TableGrid() override;

    // Gives the grid a new shape with every cell empty, unpainted and centred at the bottom.
    void setShape(int rows, int columns);
    int rowCount() const;
    int columnCount() const;

    QString text(int row, int column) const;
    void setText(int row, int column, const QString &text);
    QColor background(int row, int column) const;
    void setBackground(int row, int column, const QColor &color);
    Qt::Alignment alignment(int row, int column) const;
    void setAlignment(int row, int column, Qt::Alignment alignment);

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
    // A click has made a cell the current one.
    void cellClicked();
    // The pointer moved over the grid; the position is in twips from the grid's top-left.
    void pointerMoved(int xTwips, int yTwips);

  protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    class Model;
    Model *model_;
    platform::ColumnFit *columnFit_;
    bool topLeftOnShow_ = false;
};
