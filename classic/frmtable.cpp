#include "classic/frmtable.h"

#include "classic/frmAbout.h"
#include "classic/leaguefolder.h"
#include "core/files/locations.h"
#include "core/league/league.h"
#include "core/league/score.h"
#include "ui/platform/columnfit.h"
#include "ui/platform/failures.h"
#include "ui/platform/look.h"
#include "ui/platform/nameprompt.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

namespace classic {

namespace {

const QString kTitle = QStringLiteral("Тарвел");

// Measures of the window in twips.
constexpr int kClientWidth = 13065;
constexpr int kClientHeight = 4695;
constexpr int kButtonSize = 600;
constexpr int kRowHeight = 240;
constexpr int kNumberWidth = 350;
constexpr int kNameWidth = 1350;
constexpr int kResultWidth = 600;
constexpr int kCounterWidth = 350;

// Grid columns: 0 numbers, 1 names; MS has the results against teams 1..16 in 2..17 and the
// counters in 18..22, MSF the counters in 2..6.
constexpr int kNameColumn = 1;
constexpr int kFirstResultColumn = 2;
constexpr int kFirstCounterColumn = kFirstResultColumn + kTeams;
constexpr int kResultsFirstCounterColumn = 2;
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

void setCellText(QTableWidget *grid, int row, int column, const QString &text) {
    grid->item(row, column)->setText(text);
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

// Fills a grid with many texts at once and lets it repaint only once at the end.
class BatchUpdate {
  public:
    explicit BatchUpdate(QWidget *widget) : widget_(widget) { widget_->setUpdatesEnabled(false); }
    ~BatchUpdate() { widget_->setUpdatesEnabled(true); }
    BatchUpdate(const BatchUpdate &) = delete;
    BatchUpdate &operator=(const BatchUpdate &) = delete;

  private:
    QWidget *widget_;
};

// An installed program names the user's folder where the files lie; a program folder of the
// user's own keeps the words it always had.
QString helpText(const QDir &folder) {
    const QString where = soccer::placement() == soccer::Placement::Installed
                              ? QDir::toNativeSeparators(folder.path())
                              : QStringLiteral("программы");
    return QStringLiteral(
               "Чтобы записать результат матча, щёлкните клетку двух команд в шахматной таблице и "
               "введите счёт через пробел, например «2 1».\n"
               "Чтобы переименовать команду, щёлкните её название.\n"
               "«Таблица результатов» располагает команды по очкам.\n"
               "Команда «Сохранить» записывает таблицу в файлы komand.dat, s.dat и file.dat в "
               "папке %1.")
        .arg(where);
}

} // namespace

frmtable::frmtable(QWidget *parent)
    : QMainWindow(parent), league_(std::make_unique<ClassicLeague>()) {
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
    Form_Load();
}

frmtable::~frmtable() = default;

namespace {

// The menus in the order of the menu bar.
enum MenuOf : int { Main, Help };

} // namespace

// The buttons stand in one row in the order of their left edges; the menu items follow the
// table's order.
// clang-format off
const platform::Command<frmtable> frmtable::kCommands[] = {
//    key       icon      left  tool tip               menu caption             keys     menu  sep    runs
    {{"chess",  "chess1", 0,    "Шахматная таблица",   "&Шахматная таблица",   "Ctrl+C", Main, false}, &frmtable::prochess},
    {{"table",  "table",  600,  "Таблица результатов", "&Таблица результатов", "Ctrl+T", Main, false}, &frmtable::protable},
    {{"rename", "rename", 1800, "Переименовать",       "&Переименовать",       "F2",     Main, true},  &frmtable::prorename},
    {{"save",   "save",   1200, "Сохранить",           "&Сохранить",           "Ctrl+S", Main, true},  &frmtable::prosave},
    {{"clear",  "clear",  2400, "Очистить",            "&Очистить",            "Ctrl+D", Main, false}, &frmtable::proclear},
    {{"exit",   "exit",   3000, "Выход",               "&Выход",               "Ctrl+E", Main, true},  &frmtable::proexit},
    {{"help",   "help",   3600, "Помощь",              "П&омошь",              "Ctrl+H", Help, false}, &frmtable::cmdhelp_Click},
    {{"about",  "about",  4200, "О программе",         "О про&грамме",         "Ctrl+I", Help, true},  &frmtable::proabout},
};
// clang-format on

void frmtable::buildCommands() {
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Меню"));
    menu->setObjectName("menu");
    QMenu *help = menuBar()->addMenu(QStringLiteral("Сп&равка"));
    help->setObjectName("mnus");
    commands_ =
        platform::buildCommands(this, kCommands, {menu, help}, centralWidget(), kButtonSize);
    mnuchess = commands_.action("chess");
    mnutable = commands_.action("table");
    mnurename = commands_.action("rename");
    mnuclear = commands_.action("clear");
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
        putCell(MS, team, kNameColumn, league_->teamNames[team], cellColor(team, kNameColumn));
        for (int opponent = 1; opponent <= kTeams; ++opponent)
            putCell(MS, team, opponent + 1, league_->cells[team][opponent],
                    opponent == team ? soccer::kDiagonalColor : cellColor(team, opponent + 1));
        const auto values = inScreenOrder(league_->counters[team]);
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
        loadLeague(*league_, folder_);
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
            setCellText(MS, r, c + 1, league_->cells[r][c]);
}

void frmtable::showNames() {
    BatchUpdate batch(MS);
    for (int team = 1; team <= kTeams; ++team)
        setCellText(MS, team, kNameColumn, league_->teamNames[team]);
}

void frmtable::showCounters() {
    BatchUpdate batch(MS);
    for (int team = 1; team <= kTeams; ++team) {
        const auto values = inScreenOrder(league_->counters[team]);
        for (int i = 0; i < kCounterCount; ++i)
            setCellText(MS, team, kFirstCounterColumn + i, soccer::statisticText(values[i]));
    }
}

void frmtable::MS_Click() {
    const int row = MS->currentRow();
    const int column = MS->currentColumn();
    if (column == kNameColumn && row >= 1 && row <= kTeams) {
        const auto answer = platform::message(
            this, QStringLiteral("Вы хотите переименовать ") + league_->teamNames[row], kTitle,
            platform::Buttons::YesNo, platform::Icon::Information);
        if (answer == platform::Answer::Yes)
            renameTeam(row);
        return;
    }
    const int r = row;
    const int c = column - 1;
    if (!isScoreCell(r, c))
        return;
    // A dismissed prompt, like an answer without a blank, leaves the pair as it is.
    const std::optional<QString> answer =
        platform::input(this,
                        QStringLiteral("Введите счет между:  ") + league_->teamNames[r] + "  " +
                            league_->teamNames[c],
                        kTitle, QStringLiteral("0 0"));
    if (!answer || enterScore(*league_, r, c, *answer) == ScoreChange::None)
        return;
    setCellText(MS, r, c + 1, league_->cells[r][c]);
    setCellText(MS, c, r + 1, league_->cells[c][r]);
    showCounters();
}

void frmtable::renameTeam(int team) {
    const QString name = league_->teamNames[team];
    const std::optional<QString> renamed =
        platform::askTeamName(this, QStringLiteral("Введите новое имя команды ") + name, name);
    if (!renamed)
        return;
    league_->teamNames[team] = *renamed;
    showNames();
}

void frmtable::setCrossTableCommandsEnabled(bool enabled) {
    for (QAction *command : {mnutable, mnurename, mnuclear})
        command->setEnabled(enabled);
    mnuchess->setEnabled(!enabled);
}

void frmtable::prochess() {
    MSF->hide();
    setCrossTableCommandsEnabled(true);
    MS->show();
}

void frmtable::protable() {
    rankByPoints(*league_);
    MS->hide();
    setCrossTableCommandsEnabled(false);
    fillResultsTable();
    MSF->show();
}

void frmtable::fillResultsTable() {
    BatchUpdate batch(MSF);
    for (int position = 1; position <= kTeams; ++position) {
        const int team = league_->standingsOrder[position];
        setCellText(MSF, position, kNameColumn, league_->teamNames[team]);
        const auto values = inScreenOrder(league_->counters[team]);
        for (int i = 0; i < kCounterCount; ++i)
            setCellText(MSF, position, kResultsFirstCounterColumn + i,
                        soccer::statisticText(values[i]));
    }
}

void frmtable::prosave() {
    if (platform::message(this, QStringLiteral("Сохранить?"), kTitle, platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return;
    try {
        saveLeague(*league_, folder_);
    } catch (const DataFileError &error) {
        reportSaveFailure(error);
        return;
    }
    showNames();
    platform::message(this, QStringLiteral("Сохранено"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
}

// The three files are saved as one, so the message can say what is on the disk now.
void frmtable::reportSaveFailure(const DataFileError &error) {
    const QString onDisk =
        error.savedFilesUnchanged()
            ? QStringLiteral("Сохранение отменено: файлы komand.dat, s.dat и file.dat на диске "
                             "остались прежними.")
            : QStringLiteral("Сохранение прервано: файлы komand.dat, s.dat и file.dat на диске, "
                             "возможно, записаны не все.");
    platform::message(
        this,
        QStringLiteral("Не удаётся сохранить файл %1: %2.\n")
                .arg(error.fileName(), platform::failureReason(error.number(), error.reason())) +
            onDisk,
        kTitle, platform::Buttons::Ok, platform::Icon::Critical);
}

void frmtable::proclear() {
    if (platform::message(this, QStringLiteral("Вы хотите очистить всю таблицу?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return;
    clearResults(*league_);
    showCells();
    showCounters();
    platform::message(this, QStringLiteral("ОК"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
}

void frmtable::prorename() {
    if (platform::message(this, QStringLiteral("Вы хотите переименовать команды?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return;
    for (int team = 1; team <= kTeams; ++team) {
        // A dismissed prompt keeps that team's name, and the sequence goes on with the next team.
        const std::optional<QString> renamed = platform::askTeamName(
            this, QStringLiteral("Введите имя  %1 команды").arg(team), league_->teamNames[team]);
        if (renamed)
            league_->teamNames[team] = *renamed;
        setCellText(MS, team, kNameColumn, league_->teamNames[team]);
    }
}

void frmtable::proexit() {
    if (platform::message(this, QStringLiteral("Вы действительно хотите выйти?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return;
    platform::endProgram(0);
}

void frmtable::cmdhelp_Click() {
    platform::message(this, helpText(folder_), QStringLiteral("Помощь"), platform::Buttons::Ok,
                      platform::Icon::Information);
}

// The About box is not modal; a second click brings the open one to the front.
void frmtable::proabout() {
    if (!aboutBox_) {
        aboutBox_ = new frmAbout(this);
        aboutBox_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

} // namespace classic
