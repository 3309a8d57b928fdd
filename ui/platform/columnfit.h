#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QTableView;

namespace platform {

// Keeps every column of a table view at least as wide as the layout gives it, and wide enough
// to show its longest text whole, so that long team names and three-digit totals are never cut.
// A text's width is measured in the view's font with the style's cell margins and the grid line,
// and remembered for the run, since a table repeats its score texts and numbers thousands of
// times and a window made again shows the same texts.
class ColumnFit : public QObject {
  public:
    explicit ColumnFit(QTableView *view); // owned by the view

    // The width the layout gives a column; the column is never narrower. Until it is set, a
    // column's minimum is the view's default column width.
    void setMinimumWidth(int column, int pixels);
    int minimumWidth(int column) const;
    // Forgets every minimum, for a view that has been given a new shape.
    void forgetMinimums();

    // One cell of the column has a new text: widens the column at once, or measures the whole
    // column again when the old text may have been the one that set its width.
    void textChanged(int column, const QString &before, const QString &after);
    // The same, for a caller that knows the widths the cell needed before and needs now.
    void widthChanged(int column, int before, int after);
    void fitColumn(int column);
    void fitAllColumns();
    // Fits the columns whenever the model reports changed texts; for views whose model
    // reports every change and is never reset (the texts of a hidden TableGrid are passed by
    // textChanged instead). A reset is left alone: a QTableWidget resets its model while it is
    // destroyed, when its headers are already gone.
    void followModel();

    // The width in pixels a cell of the view needs to show the text whole.
    int cellWidth(const QString &text);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void setWidth(int column, int pixels);

    QTableView *view_;
    QList<int> minimums_; // by column; missing or -1: the default column width
    static int padding(const QTableView *view);
    static QHash<QString, int> &measuresFor(const QTableView *view);

    QHash<QString, int> *widths_ = nullptr; // shared with every view of the same measures
};

} // namespace platform
