#include "ui/platform/columnfit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QtMath>
#include <algorithm>

namespace platform {

ColumnFit::ColumnFit(QTableView *view) : QObject(view), view_(view) {
    view_->installEventFilter(this);
}

void ColumnFit::setMinimumWidth(int column, int pixels) {
    if (column >= minimums_.size())
        minimums_.resize(column + 1, -1);
    minimums_[column] = pixels;
    fitColumn(column);
}

int ColumnFit::minimumWidth(int column) const {
    const int set = column < minimums_.size() ? minimums_[column] : -1;
    return set >= 0 ? set : view_->horizontalHeader()->defaultSectionSize();
}

void ColumnFit::forgetMinimums() {
    minimums_.clear();
}

void ColumnFit::textChanged(int column, const QString &before, const QString &after) {
    widthChanged(column, cellWidth(before), cellWidth(after));
}

void ColumnFit::widthChanged(int column, int before, int after) {
    const int current = view_->columnWidth(column);
    if (after > current)
        setWidth(column, after);
    else if (after < current && current > minimumWidth(column) && before >= current)
        fitColumn(column);
}

void ColumnFit::fitColumn(int column) {
    const QAbstractItemModel *model = view_->model();
    int width = minimumWidth(column);
    for (int row = 0; row < model->rowCount(); ++row)
        width = std::max(width, cellWidth(model->index(row, column).data().toString()));
    setWidth(column, width);
}

void ColumnFit::fitAllColumns() {
    if (!view_->model())
        return;
    for (int column = 0; column < view_->model()->columnCount(); ++column)
        fitColumn(column);
}

void ColumnFit::followModel() {
    const QAbstractItemModel *model = view_->model();
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
                    return;
                for (int column = topLeft.column(); column <= bottomRight.column(); ++column)
                    fitColumn(column);
            });
}

// The cell's text stands between two margins of the style, and the grid line takes one pixel
// of the cell; the same measures the view paints with.
int ColumnFit::cellWidth(const QString &text) {
    if (!widths_)
        widths_ = &measuresFor(view_);
    const auto known = widths_->constFind(text);
    if (known != widths_->cend())
        return *known;
    const int width = qCeil(QFontMetricsF(view_->font()).horizontalAdvance(text)) + padding(view_);
    widths_->insert(text, width);
    return width;
}

int ColumnFit::padding(const QTableView *view) {
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int gridLine = view->showGrid() ? 1 : 0;
    return 2 * margin + gridLine;
}

// The widths are the same in every view of the same font and cell padding, so every such view
// of the run shares them: a window made again measures nothing it measured before.
QHash<QString, int> &ColumnFit::measuresFor(const QTableView *view) {
    static QHash<QString, QHash<QString, int>> shared;
    return shared[view->font().key() + QLatin1Char('/') + QString::number(padding(view))];
}

// A new font or style measures every text anew.
bool ColumnFit::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view_ &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) {
        widths_ = nullptr;
        fitAllColumns();
    }
    return QObject::eventFilter(watched, event);
}

void ColumnFit::setWidth(int column, int pixels) {
    if (view_->columnWidth(column) != pixels)
        view_->setColumnWidth(column, pixels);
}

} // namespace platform
