#include "ui/main/tablegrid.h"

#include "ui/platform/columnfit.h"
#include "ui/platform/look.h"

#include <QBrush>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

TableGrid::TableGrid(QWidget *parent)
    : QTableView(parent), columnFit_(new platform::ColumnFit(this)) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // The narrow statistics columns show what fits rather than an ellipsis ("Мя", not "…").
    setTextElideMode(Qt::ElideNone);
    viewport()->setMouseTracking(true);
    connect(this, &QAbstractItemView::clicked, this, &TableGrid::cellClicked);
}

TableGrid::~TableGrid() = default;

void TableGrid::setModel(QAbstractItemModel *model) {
    QTableView::setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        columnFit_->forgetMinimums();
        measureAllCells();
    });
    measureAllCells();
}

// Every cell measured anew, and every column as wide as its widest text (or its minimum).
void TableGrid::measureAllCells() {
    const int rows = rowCount();
    const int columns = columnCount();
    cellWidths_.assign(std::size_t(rows) * std::size_t(columns), 0);
    std::vector<int> widest(std::size_t(columns), 0);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            widest[std::size_t(column)] =
                std::max(widest[std::size_t(column)], measureCell(row, column));
    for (int column = 0; column < columns; ++column) {
        const int width = std::max(columnFit_->minimumWidth(column), widest[std::size_t(column)]);
        if (columnWidth(column) != width)
            setColumnWidth(column, width);
    }
}

int TableGrid::measureCell(int row, int column) {
    const int width = columnFit_->cellWidth(text(row, column));
    cellWidths_[std::size_t(row) * std::size_t(columnCount()) + std::size_t(column)] = width;
    return width;
}

void TableGrid::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QList<int> &roles) {
    QTableView::dataChanged(topLeft, bottomRight, roles);
    if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
        return;
    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
            const std::size_t cell =
                std::size_t(row) * std::size_t(columnCount()) + std::size_t(column);
            const int before = cellWidths_[cell];
            columnFit_->widthChanged(column, before, measureCell(row, column));
        }
    }
}

int TableGrid::rowCount() const {
    return model() ? model()->rowCount() : 0;
}

int TableGrid::columnCount() const {
    return model() ? model()->columnCount() : 0;
}

QVariant TableGrid::cellData(int row, int column, int role) const {
    return model() ? model()->index(row, column).data(role) : QVariant();
}

QString TableGrid::text(int row, int column) const {
    return cellData(row, column, Qt::DisplayRole).toString();
}

QColor TableGrid::background(int row, int column) const {
    const QVariant brush = cellData(row, column, Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

Qt::Alignment TableGrid::alignment(int row, int column) const {
    return Qt::Alignment(cellData(row, column, Qt::TextAlignmentRole).toInt());
}

void TableGrid::setColumnWidthTwips(int column, int twips) {
    columnFit_->setMinimumWidth(column, platform::twipsToPixelsX(twips));
}

void TableGrid::setRowHeightTwips(int twips) {
    verticalHeader()->setDefaultSectionSize(platform::twipsToPixelsY(twips));
}

int TableGrid::columnWidthTwips(int column) const {
    return platform::pixelsToTwipsX(columnWidth(column));
}

int TableGrid::rowHeightTwips() const {
    return platform::pixelsToTwipsY(verticalHeader()->defaultSectionSize());
}

// The columns, the frame, and the vertical scroll bar when the rows do not fit.
int TableGrid::widthToShowAllColumns() const {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    const int rowsHeight = rowCount() * verticalHeader()->defaultSectionSize();
    if (rowsHeight > height() - 2 * frameWidth())
        width += verticalScrollBar()->sizeHint().width();
    return width;
}

int TableGrid::currentRow() const {
    return currentIndex().row();
}

int TableGrid::currentColumn() const {
    return currentIndex().column();
}

void TableGrid::setCurrentCell(int row, int column) {
    selectionModel()->setCurrentIndex(model()->index(row, column), QItemSelectionModel::NoUpdate);
}

void TableGrid::scrollToTopLeft() {
    topLeftOnShow_ = !isVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

// The view scrolls to a current cell set while it was hidden as it is shown; a grid asked to
// show its top-left corner goes back there after that.
bool TableGrid::event(QEvent *event) {
    const bool handled = QTableView::event(event);
    if (event->type() == QEvent::Show && topLeftOnShow_)
        scrollToTopLeft();
    return handled;
}

namespace {

// Enter on the main keyboard or the keypad, or Space, with no other modifier; a key held down
// does not ask again and again.
bool isCellActivation(const QKeyEvent *event) {
    const bool activationKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                               event->key() == Qt::Key_Space;
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    return activationKey && others == Qt::NoModifier && !event->isAutoRepeat();
}

} // namespace

void TableGrid::keyPressEvent(QKeyEvent *event) {
    if (isCellActivation(event) && currentIndex().isValid()) {
        event->accept();
        emit cellClicked();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableGrid::mouseMoveEvent(QMouseEvent *event) {
    const QPoint onGrid = viewport()->mapTo(this, event->position().toPoint());
    emit pointerMoved(platform::pixelsToTwipsX(onGrid.x()), platform::pixelsToTwipsY(onGrid.y()));
    QTableView::mouseMoveEvent(event);
}
