// The main window itself: making it, its grids and their models, its size, and which window
// is the current one.
#include "ui/main/frmtable.h"

#include "ui/document/leaguedocument.h"
#include "ui/document/tablerecovery.h"
#include "ui/main/crosstablemodel.h"
#include "ui/main/exportworker.h"
#include "ui/main/mainlayout.h"
#include "ui/main/placeschartview.h"
#include "ui/main/resultsmodel.h"
#include "ui/main/roundview.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/look.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QUndoStack>
#include <algorithm>

using namespace mainlayout;

namespace {

frmtable *instance = nullptr;

} // namespace

frmtable *frmtable::create(const QString &tablePath, tableopening::Opening opening) {
    auto *window = new frmtable();
    if (!window->Form_Load(tablePath, std::move(opening)))
        return nullptr;
    window->Timer1.start();
    return window;
}

frmtable *frmtable::current() {
    return instance;
}

frmtable::frmtable()
    : document_(new LeagueDocument(this)), recovery_(new TableRecovery(document_, this)) {
    instance = this;
    setObjectName(QStringLiteral("frmtable"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);
    setCentralWidget(new QWidget(this));
    buildCommands();
    buildGrids();
    buildRoundView();
    buildChartView();
    buildSeasonView();
    exports_ = new ExportWorker(this);
    resize(platform::twipsToPixelsX(kClientWidth),
           platform::twipsToPixelsY(kClientHeight) + menuBar()->sizeHint().height());

    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &frmtable::Timer1_Timer);
}

// The undo stack empties itself as it goes, which is no change of the table: the copy stays
// for the next start, as it would had the program been killed.
frmtable::~frmtable() {
    document_->undoStack()->disconnect(recovery_);
    if (instance == this)
        instance = nullptr;
}

const soccer::League &frmtable::league() const {
    return document_->league();
}

void frmtable::buildGrids() {
    okno = new QLabel(centralWidget());
    okno->setObjectName(QStringLiteral("okno"));
    okno->setGeometry(0, platform::twipsToPixelsY(kCaptionTop), width(),
                      platform::twipsToPixelsY(kCaptionHeight));
    okno->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Each grid is named for a screen reader as its command and its caption name the view.
    const auto grid = [this](const char *name, const QString &spokenName, int left, int width,
                             QAbstractItemModel *model) {
        auto *created = new TableGrid(centralWidget());
        created->setObjectName(QLatin1String(name));
        created->setAccessibleName(spokenName);
        created->setModel(model);
        created->setGeometry(platform::twipsToPixelsX(left), platform::twipsToPixelsY(kGridTop),
                             platform::twipsToPixelsX(width),
                             platform::twipsToPixelsY(kGridHeight));
        return created;
    };
    crossModels_ = {new CrossTableModel(document_, 1, this),
                    new CrossTableModel(document_, 2, this)};
    resultsModel_ = new ResultsModel(document_, this);
    MS = grid("MS", QStringLiteral("Шахматная таблица (1)"), 0, kCrossTableWidth, crossModels_[0]);
    ms1 =
        grid("ms1", QStringLiteral("Шахматная таблица (2)"), 0, kCrossTableWidth, crossModels_[1]);
    MSF = grid("MSF", QStringLiteral("Таблица результатов"), kResultsLeft, kResultsWidth,
               resultsModel_);
    // Every column of a new shape starts at the score width, so only the others are set.
    for (TableGrid *cross : {MS, ms1})
        cross->horizontalHeader()->setDefaultSectionSize(
            platform::twipsToPixelsX(kScoreColumnWidth));

    connect(MS, &TableGrid::cellClicked, this, &frmtable::MS_Click);
    connect(ms1, &TableGrid::cellClicked, this, &frmtable::ms1_Click);
    connect(MSF, &TableGrid::cellClicked, this, &frmtable::MSF_Click);
    connect(MS, &TableGrid::pointerMoved, this, [this](int x, int y) { MS_MouseMove(0, 0, x, y); });
    connect(ms1, &TableGrid::pointerMoved, this,
            [this](int x, int y) { ms1_MouseMove(0, 0, x, y); });
}

void frmtable::leave() {
    closeWithoutAsking();
}

void frmtable::closeWithoutAsking() {
    const QScopedValueRollback<bool> byProgram(closingByProgram_, true);
    close();
}

frmtable::Half frmtable::half(int index) const {
    return {index == 1 ? MS : ms1, crossModels_[std::size_t(index - 1)], index};
}

// The widths the layout gives the columns, as their minimums; a new model shape starts every
// column at the score width, so only the others are set.
void frmtable::shapeGrids() {
    const auto shape = [](TableGrid *grid, const GridModel *model) {
        grid->setColumnWidthTwips(0, kNumberColumnWidth);
        grid->setColumnWidthTwips(1, kNameColumnWidth);
        for (int column = 2; column < model->columnCount(); ++column) {
            if (model->statisticAt(column))
                grid->setColumnWidthTwips(column, kStatisticColumnWidth);
        }
        grid->setRowHeightTwips(kRowHeight);
    };
    shape(MS, crossModels_[0]);
    shape(ms1, crossModels_[1]);
    shape(MSF, resultsModel_);
}

void frmtable::fitGridsToWindow() {
    okno->resize(width(), okno->height());
    if (isMinimized())
        return;
    const QRect outer = frameGeometry();
    const int gridHeight = platform::pixelsToTwipsY(outer.height()) - kSpaceBesideGrids;
    if (gridHeight < 0)
        return;
    // The rule counts the outer height with the frame; on a desktop whose title bar and menu
    // take more than that allows for, the grid still ends inside the window so that its
    // horizontal scroll bar stays reachable.
    const int roomBelowTop = MS->parentWidget()->height() - MS->y();
    const int height = std::min(platform::twipsToPixelsY(gridHeight), std::max(roomBelowTop, 0));
    for (QWidget *view : QWidgetList{MS, ms1, MSF, tours, chart})
        view->resize(view->width(), height);
    for (QWidget *wide : QWidgetList{MS, ms1, tours, chart})
        wide->resize(outer.width(), wide->height());
    fitResultsWidth();
    fitSeasonGrid();
}

// The results grid keeps the place and width the layout gives it while its columns fit in;
// when long names or large totals widen them beyond that, it grows as far as the window allows
// and moves left if it would run past the window's edge, so that no column is hidden.
void frmtable::fitResultsWidth() {
    const int layoutLeft = platform::twipsToPixelsX(kResultsLeft);
    const int layoutWidth = platform::twipsToPixelsX(kResultsWidth);
    const int room = centralWidget()->width();
    const int width = std::max(layoutWidth, std::min(MSF->widthToShowAllColumns(), room));
    const int left =
        width == layoutWidth ? layoutLeft : std::max(0, std::min(layoutLeft, room - width));
    MSF->setGeometry(left, MSF->y(), width, MSF->height());
}

void frmtable::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    fitGridsToWindow();
}

// Closing by the window frame asks nothing while every change is saved; with unsaved changes
// it asks as Exit does, and the window stays when the user keeps the program running.
void frmtable::closeEvent(QCloseEvent *event) {
    if (!closingByProgram_ && document_->isModified() && !confirmExit()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    giveUpTable();
    if (instance == this)
        instance = nullptr;
}
