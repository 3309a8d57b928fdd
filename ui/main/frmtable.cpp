#include "ui/main/frmtable.h"

#include "core/errors.h"
#include "core/options.h"
#include "core/score.h"
#include "core/standings.h"
#include "core/tablefile.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/dialogs/frmoption.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/confirmreplace.h"
#include "ui/platform/failures.h"
#include "ui/platform/look.h"
#include "ui/platform/nameprompt.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace {

const QString kTitle = QStringLiteral("Тарвел");

// Measures of the window in twips.
constexpr int kClientWidth = 15240;
constexpr int kClientHeight = 9840;
constexpr int kButtonSize = 600;
constexpr int kCaptionTop = 600;
constexpr int kCaptionHeight = 480;
constexpr int kGridTop = 1080;
constexpr int kGridHeight = 4860;
constexpr int kCrossTableWidth = 13455;
constexpr int kResultsLeft = 4680;
constexpr int kResultsWidth = 4665;
// What the window keeps above and below the grids when they follow its height.
constexpr int kSpaceBesideGrids = 1800;

// Measures of the grid cells in twips; the hover caption relies on them rather than on what
// the grid really draws, so that it names the same match wherever the grid is scrolled.
constexpr int kNumberColumnWidth = 350;
constexpr int kNameColumnWidth = 1650;
constexpr int kScoreColumnWidth = 600;
constexpr int kStatisticColumnWidth = 350;
constexpr int kRowHeight = 240;
constexpr int kScoreCellsLeft = kNumberColumnWidth + kNameColumnWidth;

constexpr int kStatisticCount = 7;
constexpr int kResultsColumns = 2 + kStatisticCount;
// Headers of the seven statistics, in the screen order of soccer::kScreenOrder.
const std::array<QString, kStatisticCount> kStatisticHeaders = {
    QStringLiteral("И"),  QStringLiteral("П"),  QStringLiteral("Н"), QStringLiteral("В"),
    QStringLiteral("Мя"), QStringLiteral("чи"), QStringLiteral("О")};
// "Мя" and "чи" read as one word across two columns, so they lean towards each other.
constexpr int kGoalsForHeader = 4;
constexpr int kGoalsAgainstHeader = 5;
constexpr Qt::Alignment kGoalsHeaderAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// Error number shown when a failure carries none of its own.
constexpr int kInternalError = 51;

frmtable *instance = nullptr;

// What the button and the menu item of one command look like and run. The buttons stand in a
// row at the given left edge; the menu items follow the table's order.
enum class MenuOf { Main, Help };
struct Command {
    const char *key;  // the controls are "cmd" + key and "mnu" + key
    const char *icon; // nullptr: the command has no button
    int buttonLeft;
    const char *toolTip;
    const char *caption;
    const char *shortcut;
    MenuOf menu;
    bool separatorBefore;
    void (frmtable::*run)();
};

// clang-format off
const Command kCommands[] = {
//   key       icon      left  tool tip                  menu caption              keys     menu          sep    runs
    {"new",    "new",    0,    "Создать новую таблицу", "&Новый",                 "Ctrl+N", MenuOf::Main, false, &frmtable::mnunew_Click},
    {"open",   "open",   600,  "Открыть таблицу",       "От&крыть файл",          "Ctrl+O", MenuOf::Main, false, &frmtable::cmdopen_Click},
    {"save",   "save",   3600, "Сохранить",             "&Сохранить",             "Ctrl+S", MenuOf::Main, false, &frmtable::prosave},
    {"saveas", nullptr,  0,    nullptr,                 "Сохранить &как",         "Ctrl+A", MenuOf::Main, false, &frmtable::mnusaveas_Click},
    {"chess",  "chess1", 1200, "Шахматная таблица (1)", "Шахматная таблица (&1)", "Ctrl+C", MenuOf::Main, true,  &frmtable::prochess},
    {"chess1", "chess2", 1800, "Шахматная таблица (2)", "Шахматная таблица (&2)", "Ctrl+V", MenuOf::Main, false, &frmtable::prochess1},
    {"table",  "table",  2400, "Таблица результатов",   "&Таблица результатов",   "Ctrl+T", MenuOf::Main, false, &frmtable::protable},
    {"rename", "rename", 3000, "Переименовать",         "&Переименовать",         "F2",     MenuOf::Main, true,  &frmtable::prorename},
    {"clear",  "clear",  4200, "Очистить",              "&Очистить",              "Ctrl+D", MenuOf::Main, false, &frmtable::proclear},
    {"option", "option", 4800, "Опции",                 "Оп&ции",                 "Ctrl+P", MenuOf::Main, true,  &frmtable::prooption},
    {"exit",   "exit",   6600, "Выход",                 "&Выход",                 "Ctrl+E", MenuOf::Main, true,  &frmtable::proexit},
    {"help",   "help",   5400, "Помощь",                "По&мошь",                "Ctrl+H", MenuOf::Help, false, &frmtable::cmdhelp_Click},
    {"about",  "about",  6000, "О программе",           "О про&грамме",           "Ctrl+I", MenuOf::Help, true,  &frmtable::proabout},
};
// clang-format on

QList<platform::FileFilter> tableFilters() {
    return {{QStringLiteral("Таблицы         (*.TFL)"), QStringLiteral("*.TFL")},
            {QStringLiteral("Текстовые файлы (*.TXT)"), QStringLiteral("*.TXT")},
            {QStringLiteral("DATA файлы      (*.DAT)"), QStringLiteral("*.DAT")}};
}

// Finds the cells that a coordinate in twips lies on, with inclusive bounds: a point on a
// border belongs to both neighbours, and the caller takes the first that suits it.
std::vector<int> cellsAt(int position, int firstCellStart, int cellSize, int cellCount) {
    std::vector<int> found;
    for (int k = std::max(1, (position - firstCellStart) / cellSize); k <= cellCount; ++k) {
        const int start = firstCellStart + (k - 1) * cellSize;
        if (start > position)
            break;
        if (position <= start + cellSize)
            found.push_back(k);
    }
    return found;
}

} // namespace

frmtable *frmtable::create() {
    auto *window = new frmtable();
    if (!window->Form_Load())
        return nullptr;
    window->Timer1.start();
    return window;
}

frmtable *frmtable::current() {
    return instance;
}

void frmtable::armRefresh() {
    Timer1.start();
}

frmtable::frmtable() : league_(std::make_unique<soccer::League>()) {
    instance = this;
    setObjectName(QStringLiteral("frmtable"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);
    setCentralWidget(new QWidget(this));
    buildCommands();
    buildGrids();
    resize(platform::twipsToPixelsX(kClientWidth),
           platform::twipsToPixelsY(kClientHeight) + menuBar()->sizeHint().height());

    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &frmtable::Timer1_Timer);
}

frmtable::~frmtable() {
    if (instance == this)
        instance = nullptr;
}

// Every command is wired here, from the one table above: its button, its menu item, or both.
void frmtable::buildCommands() {
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Меню"));
    menu->setObjectName(QStringLiteral("menu"));
    QMenu *mnus = menuBar()->addMenu(QStringLiteral("Сп&равка"));
    mnus->setObjectName(QStringLiteral("mnus"));

    size_t buttonCount = 0;
    for (const Command &command : kCommands) {
        const QString key = QString::fromLatin1(command.key);
        QMenu *owner = command.menu == MenuOf::Main ? menu : mnus;
        if (command.separatorBefore)
            owner->addSeparator();
        QAction *item = owner->addAction(QString::fromUtf8(command.caption));
        item->setObjectName(QStringLiteral("mnu") + key);
        item->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
        connect(item, &QAction::triggered, this, command.run);
        if (!command.icon)
            continue;
        auto *button = new QToolButton(centralWidget());
        button->setObjectName(QStringLiteral("cmd") + key);
        button->setToolTip(QString::fromUtf8(command.toolTip));
        button->setIcon(platform::commandIcon(QString::fromLatin1(command.icon)));
        button->setGeometry(platform::twipsToPixelsX(command.buttonLeft), 0,
                            platform::twipsToPixelsX(kButtonSize),
                            platform::twipsToPixelsY(kButtonSize));
        button->setIconSize(button->size() * 3 / 4);
        connect(button, &QToolButton::clicked, this, command.run);
        buttons_[buttonCount++] = button;
    }

    const auto button = [this](const char *name) {
        return centralWidget()->findChild<QToolButton *>(QLatin1String(name));
    };
    const auto item = [this](const char *name) {
        return findChild<QAction *>(QLatin1String(name));
    };
    cmdchess = button("cmdchess");
    cmdchess1 = button("cmdchess1");
    cmdtable = button("cmdtable");
    cmdrename = button("cmdrename");
    cmdclear = button("cmdclear");
    mnuchess = item("mnuchess");
    mnuchess1 = item("mnuchess1");
    mnutable = item("mnutable");
    mnurename = item("mnurename");
    mnuclear = item("mnuclear");
}

void frmtable::buildGrids() {
    okno = new QLabel(centralWidget());
    okno->setObjectName(QStringLiteral("okno"));
    okno->setGeometry(0, platform::twipsToPixelsY(kCaptionTop), width(),
                      platform::twipsToPixelsY(kCaptionHeight));
    okno->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const auto grid = [this](const char *name, int left, int width) {
        auto *created = new TableGrid(centralWidget());
        created->setObjectName(QLatin1String(name));
        created->setGeometry(platform::twipsToPixelsX(left), platform::twipsToPixelsY(kGridTop),
                             platform::twipsToPixelsX(width),
                             platform::twipsToPixelsY(kGridHeight));
        return created;
    };
    MS = grid("MS", 0, kCrossTableWidth);
    ms1 = grid("ms1", 0, kCrossTableWidth);
    MSF = grid("MSF", kResultsLeft, kResultsWidth);

    connect(MS, &TableGrid::cellClicked, this, &frmtable::MS_Click);
    connect(ms1, &TableGrid::cellClicked, this, &frmtable::ms1_Click);
    connect(MSF, &TableGrid::cellClicked, this, &frmtable::MSF_Click);
    connect(MS, &TableGrid::pointerMoved, this, [this](int x, int y) { MS_MouseMove(0, 0, x, y); });
    connect(ms1, &TableGrid::pointerMoved, this,
            [this](int x, int y) { ms1_MouseMove(0, 0, x, y); });
}

// ---------------------------------------------------------------------------------------------
// Loading

bool frmtable::Form_Load() {
    okno->resize(width(), okno->height());
    try {
        league_->tablePath = frmopen::pros();
        proform();
        return true;
    } catch (const soccer::CoreError &error) {
        proe(error.number());
    } catch (const std::exception &) {
        proe(kInternalError);
    }
    return false;
}

// Loads the table at tablePath into the League and rebuilds the grids from it. The League is
// left as it was when the file cannot be read, and then nothing on screen changes either.
void frmtable::proform() {
    hide();
    soccer::readTableFile(league_->tablePath, *league_);
    shapeGrids();
    league_->colors = soccer::loadColorScheme();
    applyColors();
    writeCrossTableHeaders(MS);
    writeCrossTableHeaders(ms1);
    writeResultsHeaders();
    ms1->show();
    writeCrossTable(half(1));
    writeCrossTable(half(2));
    setWindowTitle(kTitle + QStringLiteral(" - ") + league_->tablePath);
    show();
}

void frmtable::proe(int errorNumber) {
    close();
    platform::message(nullptr, QStringLiteral("Программа завершена"),
                      QStringLiteral("Ошибка № ") + platform::printedNumber(errorNumber),
                      platform::Buttons::Ok, platform::Icon::Critical);
    platform::endProgram(1);
}

void frmtable::proexit() {
    if (platform::message(this, QStringLiteral("Вы действительно хотите выйти?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::Yes)
        platform::endProgram();
}

void frmtable::closeEvent(QCloseEvent *event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && instance == this)
        instance = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Grid contents

frmtable::Half frmtable::half(int index) const {
    return {index == 1 ? MS : ms1, index};
}

frmtable::Half frmtable::otherHalf(const Half &of) const {
    return half(of.index == 1 ? 2 : 1);
}

void frmtable::shapeGrids() {
    const int n = league_->teamCount;
    for (TableGrid *grid : {MS, ms1}) {
        grid->setShape(n + 1, n + 9);
        grid->setColumnWidthTwips(0, kNumberColumnWidth);
        grid->setColumnWidthTwips(1, kNameColumnWidth);
        for (int column = 2; column <= n + 1; ++column)
            grid->setColumnWidthTwips(column, kScoreColumnWidth);
        for (int column = n + 2; column <= n + 8; ++column)
            grid->setColumnWidthTwips(column, kStatisticColumnWidth);
    }
    MSF->setShape(n + 1, kResultsColumns);
    MSF->setColumnWidthTwips(0, kNumberColumnWidth);
    MSF->setColumnWidthTwips(1, kNameColumnWidth);
    for (int column = 2; column < kResultsColumns; ++column)
        MSF->setColumnWidthTwips(column, kStatisticColumnWidth);
    for (TableGrid *grid : {MS, ms1, MSF})
        grid->setRowHeightTwips(kRowHeight);
}

void frmtable::writeCrossTableHeaders(TableGrid *grid) {
    const int n = league_->teamCount;
    grid->setText(0, 0, QStringLiteral("№"));
    grid->setText(0, 1, QStringLiteral("Команды"));
    for (int team = 1; team <= n; ++team) {
        grid->setText(team, 0, QString::number(team));
        grid->setText(0, team + 1, QString::number(team));
    }
    for (int i = 0; i < kStatisticCount; ++i)
        grid->setText(0, n + 2 + i, kStatisticHeaders[i]);
    grid->setAlignment(0, n + 2 + kGoalsForHeader, kGoalsHeaderAlignment);
    grid->setAlignment(0, n + 2 + kGoalsAgainstHeader, kGoalsHeaderAlignment);
}

void frmtable::writeResultsHeaders() {
    MSF->setText(0, 0, QStringLiteral("№"));
    MSF->setText(0, 1, QStringLiteral("Команды"));
    for (int i = 0; i < kStatisticCount; ++i)
        MSF->setText(0, 2 + i, kStatisticHeaders[i]);
    for (int place = 1; place <= league_->teamCount; ++place)
        MSF->setText(place, 0, QString::number(place));
    MSF->setAlignment(0, 2 + kGoalsForHeader, kGoalsHeaderAlignment);
    MSF->setAlignment(0, 2 + kGoalsAgainstHeader, kGoalsHeaderAlignment);
}

void frmtable::writeCrossTable(const Half &of) {
    const int n = league_->teamCount;
    const soccer::CrossTable &table = league_->crossTables[of.index];
    writeNames(of.grid);
    writeStatistics(of);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            of.grid->setText(r, c + 1, table.cells[r][c]);
}

void frmtable::writeNames(TableGrid *grid) {
    for (int team = 1; team <= league_->teamCount; ++team)
        grid->setText(team, 1, league_->teamNames[team]);
}

void frmtable::writeStatistics(const Half &of) {
    const int n = league_->teamCount;
    const soccer::CrossTable &table = league_->crossTables[of.index];
    for (int i = 0; i < kStatisticCount; ++i)
        for (int team = 1; team <= n; ++team)
            of.grid->setText(team, n + 2 + i,
                             soccer::statisticText(
                                 soccer::counterValue(table.stats[team], soccer::kScreenOrder[i])));
}

// ---------------------------------------------------------------------------------------------
// Colours

void frmtable::applyColors() {
    const QColor main = platform::toColor(league_->colors.main);
    const QColor text = platform::toColor(league_->colors.text);
    for (QToolButton *button : buttons_)
        platform::setBackground(button, main);
    platform::setBackground(okno, main);
    platform::setTextColor(okno, text);
    for (TableGrid *grid : {MS, ms1, MSF})
        platform::setTextColor(grid, text);
    paintStripes(MS);
    paintStripes(MSF);
    paintStripes(ms1);
    platform::setBackground(this, main);
    platform::setTextColor(this, text);
    paintHeaders(MS);
    paintHeaders(ms1);
    paintDiagonal(MS);
    paintDiagonal(ms1);
    paintHeaders(MSF);
}

void frmtable::paintStripes(TableGrid *grid) {
    const QColor even = platform::toColor(league_->colors.main);
    const QColor odd = platform::toColor(league_->colors.second);
    for (int row = 1; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->setBackground(row, column, row % 2 == 0 ? even : odd);
}

// Row 0 and the number and name columns are painted as headers.
void frmtable::paintHeaders(TableGrid *grid) {
    const QColor main = platform::toColor(league_->colors.main);
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setBackground(0, column, main);
    for (int row = 0; row < grid->rowCount(); ++row) {
        grid->setBackground(row, 0, main);
        grid->setBackground(row, 1, main);
    }
}

void frmtable::paintDiagonal(TableGrid *grid) {
    const QColor diagonal = platform::toColor(soccer::kDiagonalColor);
    for (int team = 1; team <= league_->teamCount; ++team)
        grid->setBackground(team, team + 1, diagonal);
}

// The display refresh: statistics rewritten, colours reread from option.dat and repainted,
// and the window back in the cross-table 1 view.
void frmtable::Timer1_Timer() {
    MS->hide();
    ms1->hide();
    MSF->hide();
    writeStatistics(half(1));
    writeStatistics(half(2));
    league_->colors = soccer::loadColorScheme();
    applyColors();
    MSF->setText(0, 0, QStringLiteral("№"));
    showView(View::CrossTable1);
    Timer1.stop();
}

// ---------------------------------------------------------------------------------------------
// Views

void frmtable::showView(View view) {
    MSF->setVisible(view == View::Results);
    ms1->setVisible(view == View::CrossTable2);
    MS->setVisible(view == View::CrossTable1);
    const auto enable = [](QToolButton *button, QAction *item, bool enabled) {
        button->setEnabled(enabled);
        item->setEnabled(enabled);
    };
    enable(cmdchess, mnuchess, view != View::CrossTable1);
    enable(cmdchess1, mnuchess1, view != View::CrossTable2);
    enable(cmdtable, mnutable, view != View::Results);
    enable(cmdrename, mnurename, view != View::Results);
    enable(cmdclear, mnuclear, view != View::Results);
}

void frmtable::prochess() {
    showView(View::CrossTable1);
}

void frmtable::prochess1() {
    showView(View::CrossTable2);
}

void frmtable::protable() {
    soccer::rankTeams(*league_);
    fillResults();
}

void frmtable::MSF_Click() {
    const int row = MSF->currentRow();
    const int column = MSF->currentColumn();
    if (row == 0) {
        if (column == kResultsColumns - 1)
            soccer::rankTeams(*league_);
        else if (column >= 2 && column < kResultsColumns - 1)
            soccer::orderByCounter(*league_, soccer::kScreenOrder[column - 2]);
    }
    fillResults();
}

// Writes the results table from the standings order and shows it.
void frmtable::fillResults() {
    MS->hide();
    ms1->hide();
    MSF->hide();
    for (const soccer::ResultsRow &row : soccer::resultsRows(*league_)) {
        MSF->setText(row.position, 1, row.name.toUpper());
        for (int i = 0; i < kStatisticCount; ++i)
            MSF->setText(row.position, 2 + i, soccer::statisticText(row.values[i]));
    }
    MSF->setCurrentCell(league_->teamCount, kResultsColumns - 1);
    fitResultsWidth();
    showView(View::Results);
    // Place 1 and the headers first, however many teams there are.
    MSF->scrollToTopLeft();
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
    for (TableGrid *grid : {MS, ms1, MSF})
        grid->resize(grid->width(), height);
    for (TableGrid *grid : {MS, ms1})
        grid->resize(outer.width(), grid->height());
    fitResultsWidth();
}

void frmtable::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    fitGridsToWindow();
}

// ---------------------------------------------------------------------------------------------
// Cross-tables: score entry, renaming, hover caption

void frmtable::MS_Click() {
    scoreClick(half(1));
}

void frmtable::ms1_Click() {
    scoreClick(half(2));
}

void frmtable::scoreClick(const Half &own) {
    const int n = league_->teamCount;
    const int row = own.grid->currentRow();
    const int column = own.grid->currentColumn();
    if (column == 1 && row >= 1 && row <= n) {
        if (platform::message(
                this, QStringLiteral("Вы хотите переименовать ") + league_->teamNames[row], kTitle,
                platform::Buttons::YesNo, platform::Icon::Information) == platform::Answer::Yes)
            renameTeam(own, row);
        return;
    }
    const bool scoreCell =
        row >= 1 && row <= n && column >= 2 && column <= n + 1 && column != row + 1;
    if (scoreCell)
        enterScore(own, row, column - 1);
}

// A dismissed prompt changes nothing; an empty answer confirmed with OK deletes the result.
void frmtable::enterScore(const Half &own, int r, int c) {
    const std::optional<QString> answer =
        platform::input(this,
                        QStringLiteral("Введите счет между:  ") + league_->teamNames[r] +
                            QStringLiteral("  ") + league_->teamNames[c],
                        kTitle, QStringLiteral("0 0"));
    if (!answer)
        return;
    soccer::CrossTable &table = league_->crossTables[own.index];
    if (soccer::enterScore(table, r, c, *answer) == soccer::ScoreChange::None)
        return;
    own.grid->setText(r, c + 1, table.cells[r][c]);
    own.grid->setText(c, r + 1, table.cells[c][r]);
    own.grid->hide();
    writeStatistics(own);
    own.grid->show();
}

void frmtable::renameTeam(const Half &own, int team) {
    const QString name = league_->teamNames[team];
    const std::optional<QString> renamed =
        platform::askTeamName(this, QStringLiteral("Введите новое имя команды ") + name, name);
    if (!renamed)
        return;
    league_->teamNames[team] = *renamed;
    own.grid->hide();
    writeNames(own.grid);
    writeNames(otherHalf(own).grid);
    own.grid->show();
}

void frmtable::MS_MouseMove(int, int, int x, int y) {
    showMatch(half(1), x, y);
}

void frmtable::ms1_MouseMove(int, int, int x, int y) {
    showMatch(half(2), x, y);
}

// Names the match under the pointer in okno; the first cell in row-by-row order wins on a
// border, and a team's own cell never counts.
void frmtable::showMatch(const Half &own, int x, int y) {
    const int n = league_->teamCount;
    const soccer::CrossTable &table = league_->crossTables[own.index];
    for (int team : cellsAt(y, kRowHeight, kRowHeight, n)) {
        for (int opponent : cellsAt(x, kScoreCellsLeft, kScoreColumnWidth, n)) {
            if (opponent == team)
                continue;
            okno->setText(league_->teamNames[team] + QStringLiteral(" ") +
                          table.cells[team][opponent] + QStringLiteral(" ") +
                          league_->teamNames[opponent]);
            return;
        }
    }
    okno->clear();
}

// ---------------------------------------------------------------------------------------------
// Clearing and renaming the whole table

void frmtable::proclear() {
    if (platform::message(this, QStringLiteral("Вы хотите очистить всю таблицу?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return;
    // Both cross-tables end up shown; the one the user was looking at stays in front.
    TableGrid *front = ms1->isVisible() ? ms1 : MS;
    hide();
    soccer::clearResults(*league_);
    const int n = league_->teamCount;
    for (const Half &of : {half(1), half(2)}) {
        of.grid->hide();
        for (int column = 2; column <= n + 8; ++column)
            for (int row = 1; row <= n; ++row)
                of.grid->setText(row, column, QString());
        writeStatistics(of);
        of.grid->show();
    }
    front->raise();
    platform::message(this, QStringLiteral("ОК"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
    show();
}

void frmtable::prorename() {
    if (platform::message(this, QStringLiteral("Вы хотите переименовать команды?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return;
    MS->setCurrentCell(std::max(MS->currentRow(), 0), 1);
    // A dismissed prompt keeps that team's name, and the sequence goes on with the next team.
    for (int team = 1; team <= league_->teamCount; ++team) {
        const std::optional<QString> renamed = platform::askTeamName(
            this,
            QStringLiteral("Введите имя ") + platform::printedNumber(team) +
                QStringLiteral(" команды"),
            league_->teamNames[team]);
        if (renamed)
            league_->teamNames[team] = *renamed;
        MS->setText(team, 1, league_->teamNames[team]);
    }
    writeNames(ms1);
}

// ---------------------------------------------------------------------------------------------
// File commands

void frmtable::prosave() {
    saveTable();
}

frmtable::SaveOutcome frmtable::saveTable() {
    if (platform::message(this, QStringLiteral("Сохранить?"), kTitle, platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return SaveOutcome::Declined;
    hide();
    const int n = league_->teamCount;
    for (int team = 1; team <= n; ++team) {
        league_->teamNames[team] = MS->text(team, 1);
        league_->teamNames[team] = ms1->text(team, 1);
    }
    try {
        soccer::writeTableFile(league_->tablePath, *league_);
    } catch (const soccer::CoreError &error) {
        show();
        platform::message(
            this,
            platform::failureText(
                QStringLiteral("Таблица не сохранена, она осталась открытой в программе."),
                league_->tablePath, error.number()),
            kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return SaveOutcome::Failed;
    }
    platform::message(this, QStringLiteral("Сохранено"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
    show();
    return SaveOutcome::Saved;
}

// Offers to save before the table is left; false when the user cancelled or the save
// failed, since going on would lose the unsaved table.
bool frmtable::offerToSave(const QString &question) {
    const platform::Answer answer = platform::message(
        this, question, kTitle, platform::Buttons::YesNoCancel, platform::Icon::Information);
    if (answer == platform::Answer::Cancel)
        return false;
    return answer != platform::Answer::Yes || saveTable() != SaveOutcome::Failed;
}

void frmtable::mnunew_Click() {
    if (!offerToSave(QStringLiteral("Сохранить этот файл перед созданием нового")))
        return;
    frmnew::create(frmnew::Origin::MainWindow);
    close();
}

void frmtable::cmdopen_Click() {
    if (!offerToSave(QStringLiteral("Сохранить этот файл перед открытием")))
        return;
    const std::optional<QString> chosen = platform::openFileName(this, tableFilters());
    if (!chosen)
        return;
    const QString previousPath = league_->tablePath;
    league_->tablePath = *chosen;
    try {
        proform();
    } catch (const soccer::CoreError &error) {
        // Nothing was read into the League, so the previous table is still the open one.
        league_->tablePath = previousPath;
        show();
        platform::message(
            this,
            platform::failureText(QStringLiteral("Таблица не открыта, открытой остаётся "
                                                 "прежняя."),
                                  *chosen, error.number()),
            kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return;
    }
    prochess();
}

void frmtable::mnusaveas_Click() {
    const std::optional<QString> chosen = chooseSaveAsPath();
    if (!chosen)
        return;
    league_->tablePath = *chosen;
    saveTable();
}

// The path Save as writes to. Before an existing file is replaced the user is asked; Нет opens
// the file dialog again on the same name, so that a mistyped name costs no season.
std::optional<QString> frmtable::chooseSaveAsPath() {
    QString suggested;
    for (;;) {
        const std::optional<QString> chosen =
            platform::saveFileName(this, tableFilters(), suggested);
        if (!chosen || platform::confirmReplace(this, *chosen))
            return chosen;
        suggested = *chosen;
    }
}

void frmtable::cmdhelp_Click() {
    platform::message(this, QStringLiteral("Откройте файл help.html в папке с программой"),
                      QStringLiteral("Помощь"), platform::Buttons::Ok, platform::Icon::None);
}

// Both dialogs show themselves without blocking; the main window stays usable meanwhile.
void frmtable::prooption() {
    frmoption::create();
}

void frmtable::proabout() {
    frmAbout::create();
}
