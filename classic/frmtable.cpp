#include "classic/frmtable.h"

#include "classic/frmAbout.h"
#include "classic/leaguefolder.h"
#include "core/league.h"
#include "core/locations.h"
#include "core/score.h"
#include "ui/platform/columnfit.h"
#include "ui/platform/look.h"
#include "ui/platform/nameprompt.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QHeaderView>
#include <QLayout>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolButton>

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

QTableWidgetItem *cellItem(QTableWidget *grid, int row, int column) {
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, column, item);
    }
    return item;
}

void setCellText(QTableWidget *grid, int row, int column, const QString &text) {
    cellItem(grid, row, column)->setText(text);
}

void setCellColor(QTableWidget *grid, int row, int column, const soccer::Rgb &rgb) {
    cellItem(grid, row, column)->setBackground(platform::toColor(rgb));
}

// Header cells (row 0, columns 0 and 1) in the main colour, the other rows striped.
soccer::Rgb cellColor(int row, int column) {
    if (row == 0 || column <= kNameColumn)
        return kMainColor;
    return row % 2 == 0 ? kEvenRowColor : kOddRowColor;
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

// Shapes, colours and heads one grid; the same for the cross-table and the results table. The
// column widths given are minimums: a column widens to show its longest text whole.
void prepareGrid(QTableWidget *grid, const QList<int> &columnWidths, const QStringList &headers) {
    grid->setRowCount(kGridRows);
    grid->setColumnCount(int(columnWidths.size()));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *columnFit = new platform::ColumnFit(grid);
    columnFit->followModel();
    for (int column = 0; column < columnWidths.size(); ++column)
        columnFit->setMinimumWidth(column, platform::twipsToPixelsX(columnWidths[column]));
    for (int row = 0; row < kGridRows; ++row) {
        grid->setRowHeight(row, platform::twipsToPixelsY(kRowHeight));
        for (int column = 0; column < columnWidths.size(); ++column)
            setCellColor(grid, row, column, cellColor(row, column));
    }

    for (int column = 0; column < headers.size(); ++column)
        setCellText(grid, 0, column, headers[column]);
    for (int row = 1; row < kGridRows; ++row)
        setCellText(grid, row, 0, QString::number(row));
    // The grid shows all its cells at once, so it never needs to scroll.
    grid->resize(allCellsSize(grid));
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

QString readFailureReason(int errorNumber, const QString &detail) {
    switch (errorNumber) {
    case soccer::ErrFileNotFound:
        return QStringLiteral("файл не найден");
    case soccer::ErrPathNotFound:
        return QStringLiteral("папка не найдена");
    case soccer::ErrPermissionDenied:
        return QStringLiteral("нет доступа к файлу");
    case soccer::ErrPathAccess:
        return QStringLiteral("это не файл");
    case soccer::ErrBadFileName:
        return QStringLiteral("недопустимое имя файла");
    case soccer::ErrInputPastEnd:
        return QStringLiteral("в файле не хватает строк");
    case soccer::ErrTypeMismatch:
        return QStringLiteral("в файле стоит не число там, где должно быть число");
    case soccer::ErrDiskFull:
        return QStringLiteral("диск переполнен");
    case soccer::ErrDeviceIo:
        return QStringLiteral("ошибка устройства");
    default:
        return QStringLiteral("ошибка № %1 %2").arg(errorNumber).arg(detail).trimmed();
    }
}

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
    setCentralWidget(new QWidget(this));
    createButtons();
    createMenu();
    routeCommands();
    createGrids();
    Form_Load();
}

frmtable::~frmtable() = default;

void frmtable::createButtons() {
    struct ButtonDesign {
        QToolButton *&button;
        const char *name;
        const char *picture;
        QString toolTip;
    };
    const ButtonDesign designs[] = {
        {cmdchess, "cmdchess", "chess1", "Шахматная таблица"},
        {cmdtable, "cmdtable", "table", "Таблица результатов"},
        {cmdsave, "cmdsave", "save", "Сохранить"},
        {cmdrename, "cmdrename", "rename", "Переименовать"},
        {cmdclear, "cmdclear", "clear", "Очистить"},
        {cmdexit, "cmdexit", "exit", "Выход"},
        {cmdhelp, "cmdhelp", "help", "Помощь"},
        {cmdabout, "cmdabout", "about", "О программе"},
    };
    const int size = platform::twipsToPixelsX(kButtonSize);
    int left = 0;
    for (const ButtonDesign &design : designs) {
        design.button = new QToolButton(centralWidget());
        design.button->setObjectName(design.name);
        design.button->setIcon(platform::commandIcon(design.picture));
        design.button->setIconSize(QSize(size, size) * 3 / 4);
        design.button->setToolTip(design.toolTip);
        design.button->setGeometry(left, 0, size, platform::twipsToPixelsY(kButtonSize));
        left += size;
    }
}

void frmtable::createMenu() {
    auto addItem = [](QMenu *menu, QAction *&item, const char *name, const QString &caption,
                      const QKeySequence &shortcut) {
        item = menu->addAction(caption);
        item->setObjectName(name);
        item->setShortcut(shortcut);
    };
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Меню"));
    menu->setObjectName("menu");
    addItem(menu, mnuchess, "mnuchess", "&Шахматная таблица", QKeySequence("Ctrl+C"));
    addItem(menu, mnutable, "mnutable", "&Таблица результатов", QKeySequence("Ctrl+T"));
    menu->addSeparator();
    addItem(menu, mnurename, "mnurename", "&Переименовать", QKeySequence(Qt::Key_F2));
    menu->addSeparator();
    addItem(menu, mnusave, "mnusave", "&Сохранить", QKeySequence("Ctrl+S"));
    addItem(menu, mnuclear, "mnuclear", "&Очистить", QKeySequence("Ctrl+D"));
    menu->addSeparator();
    addItem(menu, mnuexit, "mnuexit", "&Выход", QKeySequence("Ctrl+E"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Сп&равка"));
    help->setObjectName("mnus");
    addItem(help, mnuhelp, "mnuhelp", "П&омошь", QKeySequence("Ctrl+H"));
    help->addSeparator();
    addItem(help, mnuabout, "mnuabout", "О про&грамме", QKeySequence("Ctrl+I"));
}

// Every command, its button and its menu item run the same procedure.
void frmtable::routeCommands() {
    struct Route {
        QToolButton *button;
        QAction *item;
        void (frmtable::*procedure)();
    };
    // clang-format off
    const Route routes[] = {
        {cmdchess,  mnuchess,  &frmtable::prochess},
        {cmdtable,  mnutable,  &frmtable::protable},
        {cmdsave,   mnusave,   &frmtable::prosave},
        {cmdrename, mnurename, &frmtable::prorename},
        {cmdclear,  mnuclear,  &frmtable::proclear},
        {cmdexit,   mnuexit,   &frmtable::proexit},
        {cmdhelp,   mnuhelp,   &frmtable::cmdhelp_Click},
        {cmdabout,  mnuabout,  &frmtable::proabout},
    };
    // clang-format on
    for (const Route &route : routes) {
        connect(route.button, &QToolButton::clicked, this, route.procedure);
        connect(route.item, &QAction::triggered, this, route.procedure);
    }
}

void frmtable::createGrids() {
    MS = new QTableWidget(centralWidget());
    MS->setObjectName("MS");
    MSF = new QTableWidget(centralWidget());
    MSF->setObjectName("MSF");
    connect(MS, &QTableWidget::cellClicked, this, &frmtable::MS_Click);
}

void frmtable::setUpCrossTable() {
    QList<int> widths = {kNumberWidth, kNameWidth};
    QStringList headers = {"№", "Команды"};
    for (int team = 1; team <= kTeams; ++team) {
        widths.append(kResultWidth);
        headers.append(QString::number(team));
    }
    for (const QString &header : kCounterHeaders) {
        widths.append(kCounterWidth);
        headers.append(header);
    }
    prepareGrid(MS, widths, headers);
    for (int team = 1; team <= kTeams; ++team)
        setCellColor(MS, team, team + 1, soccer::kDiagonalColor);
    MS->move(0, platform::twipsToPixelsY(kButtonSize));
}

void frmtable::setUpResultsTable() {
    QList<int> widths = {kNumberWidth, kNameWidth};
    QStringList headers = {"№", "Команды"};
    for (const QString &header : kCounterHeaders) {
        widths.append(kCounterWidth);
        headers.append(header);
    }
    prepareGrid(MSF, widths, headers);
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

// A column widened for a long name: the grids still show every cell, the window grows with
// them, and the results table stays centred.
void frmtable::fitGridsToColumns() {
    for (QTableWidget *grid : {MS, MSF})
        grid->resize(allCellsSize(grid));
    fixWindowSize();
    MSF->move((centralWidget()->width() - MSF->width()) / 2, MS->y());
}

void frmtable::Form_Load() {
    platform::setBackground(this, platform::toColor(kMainColor));
    for (QToolButton *button :
         {cmdchess, cmdtable, cmdsave, cmdrename, cmdclear, cmdexit, cmdhelp, cmdabout})
        platform::setBackground(button, platform::toColor(kMainColor));
    setUpCrossTable();
    fixWindowSize();
    setUpResultsTable();
    for (QTableWidget *grid : {MS, MSF})
        connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
                &frmtable::fitGridsToColumns);
    prochess();

    try {
        folder_ = leagueFolder();
        loadLeague(*league_, folder_);
    } catch (const DataFileError &error) {
        reportLoadFailure(error);
        return;
    }
    showCells();
    showNames();
    showCounters();
    loaded_ = true;
}

void frmtable::reportLoadFailure(const DataFileError &error) {
    platform::message(this,
                      QStringLiteral("Не удаётся прочитать файл %1: %2.\nПрограмма завершена.")
                          .arg(error.fileName(), readFailureReason(error.number(), error.detail())),
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
    for (QAction *item : {mnutable, mnurename, mnuclear})
        item->setEnabled(enabled);
    for (QToolButton *button : {cmdtable, cmdrename, cmdclear})
        button->setEnabled(enabled);
    mnuchess->setEnabled(!enabled);
    cmdchess->setEnabled(!enabled);
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
                .arg(error.fileName(), readFailureReason(error.number(), error.detail())) +
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
    // A dismissed prompt keeps that team's name, and the sequence goes on with the next team.
    for (int team = 1; team <= kTeams; ++team) {
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
