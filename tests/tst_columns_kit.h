#pragma once

// Whether a grid shows every text whole: what both programs' grid tests check.
#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <QTableView>

namespace columnskit {

// What a column needs to show a text whole: the text in the view's font, the style's margin on
// either side of it, and the grid line that the cell gives up.
inline int neededWidth(const QTableView *view, const QString &text) {
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return view->fontMetrics().horizontalAdvance(text) + 2 * margin + (view->showGrid() ? 1 : 0);
}

// Every cell whose column cannot show its text whole, and every column narrower than its
// minimum (in pixels, by column), described for the failure message; empty when all is well.
// Qt's own measure of a column (sizeHintForColumn) is checked too.
inline QStringList clippedCells(const QTableView *view, const QList<int> &minimumPixels) {
    QStringList faults;
    const QAbstractItemModel *model = view->model();
    const QAbstractItemView *asItemView = view; // where sizeHintForColumn is public
    for (int column = 0; column < model->columnCount(); ++column) {
        const int width = view->columnWidth(column);
        if (width < minimumPixels.value(column))
            faults << QStringLiteral("column %1: %2 px, below its minimum %3 px")
                          .arg(column)
                          .arg(width)
                          .arg(minimumPixels.value(column));
        if (asItemView->sizeHintForColumn(column) > width)
            faults << QStringLiteral("column %1: %2 px, Qt asks for %3 px")
                          .arg(column)
                          .arg(width)
                          .arg(asItemView->sizeHintForColumn(column));
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            if (neededWidth(view, text) > width)
                faults << QStringLiteral("cell (%1, %2) \"%3\": needs %4 px, has %5 px")
                              .arg(row)
                              .arg(column)
                              .arg(text)
                              .arg(neededWidth(view, text))
                              .arg(width);
        }
    }
    return faults;
}

} // namespace columnskit
