#include "ui/main/tablegrid.h"

#include "ui/platform/columnfit.h"
#include "ui/platform/look.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <vector>

namespace {

constexpr Qt::Alignment kDefaultAlignment = Qt::AlignHCenter | Qt::AlignBottom;

struct Cell {
    QString text;
    QColor background;
    Qt::Alignment alignment = kDefaultAlignment;
};

} // namespace

// Holds the cells row by row in one block, so that reshaping and bulk writes stay cheap.
class TableGrid::Model : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void reshape(int rows, int columns) {
        beginResetModel();
        rows_ = rows;
        columns_ = columns;
        cells_.assign(static_cast<size_t>(rows) * columns, Cell());
        endResetModel();
    }

    Cell &cell(int row, int column) { return cells_[offset(row, column)]; }
    const Cell &cell(int row, int column) const { return cells_[offset(row, column)]; }

    void announce(int row, int column, int role) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {role});
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : columns_;
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        const Cell &shown = cell(index.row(), index.column());
        switch (role) {
        case Qt::DisplayRole:
            return shown.text;
        case Qt::BackgroundRole:
            return shown.background.isValid() ? QVariant(QBrush(shown.background)) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant(static_cast<int>(shown.alignment));
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override {
        return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

  private:
    size_t offset(int row, int column) const {
        Q_ASSERT(row >= 0 && row < rows_ && column >= 0 && column < columns_);
        return static_cast<size_t>(row) * columns_ + column;
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<Cell> cells_;
};

TableGrid::TableGrid(QWidget *parent)
    : QTableView(parent), model_(new Model(this)), columnFit_(new platform::ColumnFit(this)) {
    setModel(model_);
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

void TableGrid::setShape(int rows, int columns) {
    model_->reshape(rows, columns);
    columnFit_->forgetMinimums();
}

int TableGrid::rowCount() const {
    return model_->rowCount();
}

int TableGrid::columnCount() const {
    return model_->columnCount();
}

QString TableGrid::text(int row, int column) const {
    return model_->cell(row, column).text;
}

// A hidden grid is repainted whole when shown, so it need not hear of every single cell.
void TableGrid::setText(int row, int column, const QString &text) {
    QString &shown = model_->cell(row, column).text;
    const QString before = shown;
    shown = text;
    columnFit_->textChanged(column, before, text);
    if (isVisible())
        model_->announce(row, column, Qt::DisplayRole);
}

QColor TableGrid::background(int row, int column) const {
    return model_->cell(row, column).background;
}

void TableGrid::setBackground(int row, int column, const QColor &color) {
    model_->cell(row, column).background = color;
    if (isVisible())
        model_->announce(row, column, Qt::BackgroundRole);
}

Qt::Alignment TableGrid::alignment(int row, int column) const {
    return model_->cell(row, column).alignment;
}

void TableGrid::setAlignment(int row, int column, Qt::Alignment alignment) {
    model_->cell(row, column).alignment = alignment;
    if (isVisible())
        model_->announce(row, column, Qt::TextAlignmentRole);
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
    selectionModel()->setCurrentIndex(model_->index(row, column), QItemSelectionModel::NoUpdate);
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

void TableGrid::mouseMoveEvent(QMouseEvent *event) {
    const QPoint onGrid = viewport()->mapTo(this, event->position().toPoint());
    emit pointerMoved(platform::pixelsToTwipsX(onGrid.x()), platform::pixelsToTwipsY(onGrid.y()));
    QTableView::mouseMoveEvent(event);
}
