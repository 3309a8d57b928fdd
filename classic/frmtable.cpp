#include "classic/frmtable.h"

#include "classic/frmAbout.h"
#include "classic/leaguefolder.h"
#include "classic/windowlayout.h"
#include "core/league/league.h"
#include "core/league/score.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/tablerecovery.h"
#include "ui/platform/columnfit.h"
#include "ui/platform/failures.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QHeaderView>
#include <QLayout>
#include <QTableWidget>

namespace classic {

using namespace windowlayout;

namespace {

constexpr int kRowHeight = 240;
constexpr int kNumberWidth = 350;
constexpr int kNameWidth = 1350;
constexpr int kResultWidth = 600;
constexpr int kCounterWidth = 350;

constexpr int kGridRows = kTeams + 1;

const QStringList kCounterHeaders = {"И", "П", "Н", "В", "О"};

// Fixed colours of this edition.
const soccer::Rgb kMainColor{150, 150, 150};
const soccer::Rgb kEvenRowColor{160, 160, 160};
const soccer::Rgb kOddRowColor{200, 200, 200};

// Header cells (row 0, columns 0 and 1) in the main colour, the other rows striped.
soccer::Rgb cellColor(int row, int column) {
    if (row == 0 || column <= kNameColumn)
        return kMainColor;
    return row % 2 == 0 ? kEvenRowColor : kOddRowColor;
}

// A cell made whole (text, alignment, colour) before it goes into its grid, so that the grid
// takes each cell once.
void putCell(QTableWidget *grid, int row, int column, const QString &text, const soccer::Rgb &rgb) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(platform::toColor(rgb));
    grid->setItem(row, column, item);
}

// The size at which the grid shows every cell without scrolling.
QSize allCellsSize(const QTableWidget *grid) {
    QSize size(2 * grid->frameWidth(), 2 * grid->frameWidth());
    for (int column = 0; column < grid->columnCount(); ++column)
        size.rwidth() += grid->columnWidth(column);
    for (int row = 0; row < grid->rowCount(); ++row)
        size.rheight() += grid->rowHeight(row);
    return size;
}

// Shapes one grid: its columns and its rows.
void shapeGrid(QTableWidget *grid, int columns) {
    grid->setRowCount(kGridRows);
    grid->setColumnCount(columns);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setDefaultSectionSize(platform::twipsToPixelsY(kRowHeight));
}

// Gives a filled grid its column widths, as minimums: a column widens to show its longest
// text whole, now and whenever a text changes; and a size that shows every cell.
void fitColumns(QTableWidget *grid, const QList<int> &columnWidths) {
    auto *columnFit = new platform::ColumnFit(grid);
    for (int column = 0; column < columnWidths.size(); ++column)
        columnFit->setMinimumWidth(column, platform::twipsToPixelsX(columnWidths[column]));
    columnFit->followModel();
    // The grid shows all its cells at once, so it never needs to scroll.
    grid->resize(allCellsSize(grid));
}

// The columns of a grid: number, name, then `middle` columns of one width, then the counters.
QList<int> columnWidths(int middle, int middleWidth) {
    QList<int> widths = {kNumberWidth, kNameWidth};
    for (int column = 0; column < middle; ++column)
        widths.append(middleWidth);
    for (int counter = 0; counter < kCounterCount; ++counter)
        widths.append(kCounterWidth);
    return widths;
}

} // namespace

frmtable::frmtable(QWidget *parent)
    : QMainWindow(parent), document_(new LeagueDocument(this)),
      recovery_(new TableRecovery(document_, this)) {
    setWindowTitle(kTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Set before the controls are made, so that they take it as they are made rather than
    // each hearing of the change. The buttons share it rather than each having a copy of its
    // own, so that the style draws their shared face once, not once a button.
    platform::setBackground(this, platform::toColor(kMainColor));
    setCentralWidget(new QWidget(this));
    buildCommands();
    createGrids();
    document_->setScoreRule(enterScore);
    Form_Load();
}

// The undo stack empties itself as it goes, which is no change of the league: the copy stays
// for the next start, as it would had the program been killed.
frmtable::~frmtable() {
    document_->undoStack()->disconnect(recovery_);
}

const soccer::League &frmtable::league() const {
    return document_->league();
}

void frmtable::createGrids() {
    MS = new QTableWidget(centralWidget());
    MS->setObjectName("MS");
    MS->setAccessibleName(QStringLiteral("Шахматная таблица"));
    MSF = new QTableWidget(centralWidget());
    MSF->setObjectName("MSF");
    MSF->setAccessibleName(QStringLiteral("Таблица результатов"));
    connect(MS, &QTableWidget::cellClicked, this, &frmtable::MS_Click);
}

// The grids show what the document says has changed, after a command and after its undo alike.
void frmtable::followDocument() {
    connect(document_, &LeagueDocument::matchesChanged, this,
            [this](int half, const std::vector<LeagueDocument::Match> &cells) {
                for (const LeagueDocument::Match &cell : cells)
                    setCellText(MS, cell.row, cell.column + 1,
                                league().crossTables[half].cells[cell.row][cell.column]);
            });
    connect(document_, &LeagueDocument::statisticsChanged, this, &frmtable::showCounters);
    connect(document_, &LeagueDocument::namesChanged, this, &frmtable::showNames);
    connect(document_, &LeagueDocument::resultsCleared, this, [this] {
        showCells();
        showCounters();
    });
}

// The cross-table is made with the loaded league's texts in it, each cell once.
void frmtable::setUpCrossTable() {
    const QList<int> widths = columnWidths(kTeams, kResultWidth);
    shapeGrid(MS, int(widths.size()));
    const QStringList heads = QStringList({"№", "Команды"}) + kCounterHeaders;
    for (int column = 0; column < MS->columnCount(); ++column) {
        const bool counter = column >= kFirstCounterColumn;
        const QString head = column <= kNameColumn ? heads[column]
                             : counter             ? heads[column - kFirstCounterColumn + 2]
                                                   : QString::number(column - 1);
        putCell(MS, 0, column, head, cellColor(0, column));
    }
    for (int team = 1; team <= kTeams; ++team) {
        putCell(MS, team, 0, QString::number(team), cellColor(team, 0));
        putCell(MS, team, kNameColumn, league().teamNames[team], cellColor(team, kNameColumn));
        for (int opponent = 1; opponent <= kTeams; ++opponent)
            putCell(MS, team, opponent + 1, league().crossTables[kHalf].cells[team][opponent],
                    opponent == team ? soccer::kDiagonalColor : cellColor(team, opponent + 1));
        const auto values = inScreenOrder(league().crossTables[kHalf].stats[team]);
        for (int i = 0; i < kCounterCount; ++i)
            putCell(MS, team, kFirstCounterColumn + i, soccer::statisticText(values[i]),
                    cellColor(team, kFirstCounterColumn + i));
    }
    fitColumns(MS, widths);
    MS->move(0, platform::twipsToPixelsY(kButtonSize));
}

// The results table gets its names and counters when it is first shown.
void frmtable::setUpResultsTable() {
    const QList<int> widths = columnWidths(0, 0);
    shapeGrid(MSF, int(widths.size()));
    const QStringList heads = QStringList({"№", "Команды"}) + kCounterHeaders;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < MSF->columnCount(); ++column) {
            const QString text = row == 0      ? heads[column]
                                 : column == 0 ? QString::number(row)
                                               : QString();
            putCell(MSF, row, column, text, cellColor(row, column));
        }
    }
    fitColumns(MSF, widths);
    MSF->move((centralWidget()->width() - MSF->width()) / 2, MS->y());
    MSF->hide();
}

// The client area keeps its designed size unless the grids need more at this screen's DPI.
void frmtable::fixWindowSize() {
    const int width = std::max(platform::twipsToPixelsX(kClientWidth), MS->width());
    const int height = std::max(platform::twipsToPixelsY(kClientHeight), MS->y() + MS->height());
    centralWidget()->setFixedSize(width, height);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// The data files are read before the grids are made, so that every cell is written once and
// the window's first paint is its only one.
void frmtable::Form_Load() {
    try {
        folder_ = leagueFolder();
        reportUnfinishedSave(finishUnfinishedSave(folder_));
        if (!openLeague()) {
            platform::endProgram(0);
            return;
        }
    } catch (const DataFileError &error) {
        reportLoadFailure(error);
        return;
    }
    setUpCrossTable();
    fixWindowSize();
    setUpResultsTable();
    for (QTableWidget *grid : {MS, MSF})
        connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
                &frmtable::fitGridsToColumns);
    followDocument();
    prochess();
    loaded_ = true;
}

// A column widened for a long name: the grids still show every cell, the window grows with
// them, and the results table stays centred.
void frmtable::fitGridsToColumns() {
    for (QTableWidget *grid : {MS, MSF})
        grid->resize(allCellsSize(grid));
    fixWindowSize();
    MSF->move((centralWidget()->width() - MSF->width()) / 2, MS->y());
}

// A save that a kill interrupted has been put right before the files were read; the user
// hears in one line which way, since the last results entered may be there or not.
void frmtable::reportUnfinishedSave(soccer::FileSet::Unfinished unfinished) {
    using Unfinished = soccer::FileSet::Unfinished;
    if (unfinished == Unfinished::None)
        return;
    platform::message(this,
                      unfinished == Unfinished::Completed
                          ? QStringLiteral("Прерванное сохранение завершено: файлы komand.dat, "
                                           "s.dat и file.dat записаны полностью.")
                          : QStringLiteral("Прерванное сохранение отменено: файлы komand.dat, "
                                           "s.dat и file.dat остались прежними."),
                      kTitle, platform::Buttons::Ok, platform::Icon::Information);
}

void frmtable::reportLoadFailure(const DataFileError &error) {
    platform::message(
        this,
        QStringLiteral("Не удаётся прочитать файл %1: %2.\nПрограмма завершена.")
            .arg(error.fileName(), platform::failureReason(error.number(), error.reason())),
        kTitle, platform::Buttons::Ok, platform::Icon::Critical);
    platform::endProgram(1);
}

void frmtable::showCells() {
    BatchUpdate batch(MS);
    for (int r = 1; r <= kTeams; ++r)
        for (int c = 1; c <= kTeams; ++c)
            setCellText(MS, r, c + 1, league().crossTables[kHalf].cells[r][c]);
}

void frmtable::showNames(const std::vector<int> &teams) {
    BatchUpdate batch(MS);
    for (int team : teams)
        setCellText(MS, team, kNameColumn, league().teamNames[team]);
}

void frmtable::showCounters() {
    BatchUpdate batch(MS);
    for (int team = 1; team <= kTeams; ++team) {
        const auto values = inScreenOrder(league().crossTables[kHalf].stats[team]);
        for (int i = 0; i < kCounterCount; ++i)
            setCellText(MS, team, kFirstCounterColumn + i, soccer::statisticText(values[i]));
    }
}

} // namespace classic
