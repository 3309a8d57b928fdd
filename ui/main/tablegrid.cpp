#include "ui/main/tablegrid.h"

#include "ui/platform/look.h"

#include <QBrush>
#include <QHeaderView>
#include <QMouseEvent>

TableGrid::TableGrid(QWidget *parent) : QTableView(parent) {
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
    setColumnWidth(column, platform::twipsToPixelsX(twips));
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

int TableGrid::currentRow() const {
    return currentIndex().row();
}

int TableGrid::currentColumn() const {
    return currentIndex().column();
}

void TableGrid::setCurrentCell(int row, int column) {
    selectionModel()->setCurrentIndex(model()->index(row, column), QItemSelectionModel::NoUpdate);
}

void TableGrid::mouseMoveEvent(QMouseEvent *event) {
    const QPoint onGrid = viewport()->mapTo(this, event->position().toPoint());
    emit pointerMoved(platform::pixelsToTwipsX(onGrid.x()), platform::pixelsToTwipsY(onGrid.y()));
    QTableView::mouseMoveEvent(event);
}
