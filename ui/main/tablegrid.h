#pragma once

#include <QColor>
#include <QString>
#include <QTableView>

class QMouseEvent;

// A grid of the main window: a view with no header bands over one of the window's models, in
// which row 0 and the name columns are ordinary cells that the model paints as headers, so a
// click on them makes them the current cell like any other. Cells are read-only.
class TableGrid : public QTableView {
    Q_OBJECT

  public:
    explicit TableGrid(QWidget *parent = nullptr);
    ~TableGrid() override;

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

    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);

  signals:
    // A click has made a cell the current one.
    void cellClicked();
    // The pointer moved over the grid; the position is in twips from the grid's top-left.
    void pointerMoved(int xTwips, int yTwips);

  protected:
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    QVariant cellData(int row, int column, int role) const;
};
