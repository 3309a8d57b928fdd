// Timings of the windows on the offscreen platform, each against a floor measured in the same
// run: a window of plain Qt controls of the same kinds that shows the same content.
//
// - A score entry in the 99-team main window, from the answer to the grid having painted,
//   against a plain QTableWidget that updates only the cells that change.
// - The start of each program up to its first window painted, against a window with the same
//   controls; and the number of paints a freshly opened 99-team main window makes until idle.

#include "classic/frmtable.h"
#include "core/files/options.h"
#include "core/files/tablefile.h"
#include "core/files/tablelock.h"
#include "core/league/score.h"
#include "core/publish/placeschart.h"
#include "core/recovery/recoverycopy.h"
#include "core/season/draw.h"
#include "core/season/placeshistory.h"
#include "publish/chartpainter.h"
#include "ui/app/navigation.h"
#include "ui/dialogs/frmopen.h"
#include "ui/document/tablerecovery.h"
#include "ui/main/frmtable.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <atomic>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kTeams = soccer::kMaxTeams;

// Counts the paints of every widget it watches.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    void watch(QWidget *widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until nothing is left to do: posted events, layouts and paints.
void settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void deleteAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<soccer::League> playedLeague(int teams) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = teams;
    for (int t = 1; t <= teams; ++t)
        league->teamNames[t] = QStringLiteral("Команда %1").arg(t);
    for (int half = 1; half <= 2; ++half)
        for (int r = 1; r <= teams; ++r)
            for (int c = r + 1; c <= teams; ++c)
                soccer::enterScore(league->crossTables[half], r, c,
                                   QStringLiteral("%1 %2").arg((r + c) % 4).arg(r % 3));
    return league;
}

// A program folder with option.dat and the played 99-team table; the classic edition's data
// files lie in a folder of their own.
struct Folder {
    QTemporaryDir dir;
    QString tablePath = dir.filePath(QStringLiteral("big.TFL"));
    QString classicPath = dir.filePath(QStringLiteral("classic"));
    QString calendarPath = dir.filePath(QStringLiteral("rounds.TFL"));

    Folder() {
        if (!dir.isValid())
            throw std::runtime_error("no temporary folder");
        soccer::setProgramFolder(dir.path());
        soccer::setRecoveryFolder(dir.filePath(QStringLiteral("recovery")));
        soccer::setLockFolder(dir.filePath(QStringLiteral("locks")));
        soccer::writeOptionsFile(soccer::optionsFilePath(), soccer::ColorScheme::standard());
        soccer::writeTableFile(tablePath, *playedLeague(kTeams));
        const auto withCalendar = playedLeague(kTeams);
        withCalendar->calendar = soccer::drawCalendar(kTeams, {QDate(2026, 8, 15), 7, false, 0});
        soccer::writeTableFile(calendarPath, *withCalendar);
        QDir().mkpath(classicPath);
        for (const char *name : {"komand.dat", "s.dat", "file.dat"})
            QFile::copy(QStringLiteral(SOCCER_DELIVERED_DATA "/") + QLatin1String(name),
                        classicPath + QLatin1Char('/') + QLatin1String(name));
    }
};

Folder &folder() {
    static Folder instance;
    return instance;
}

// As the dialogs open it.
frmtable *openMainWindow(const QString &path = folder().tablePath) {
    frmopen::pros() = path;
    return navigation::tableChosen();
}

// ---------------------------------------------------------------------------------------------
// Score entry

// Two answers that change the pair's result and both teams' statistics each time.
const QString kAnswers[2] = {QStringLiteral("2 1"), QStringLiteral("1 3")};
constexpr int kRow = 3;
constexpr int kColumn = 5;

// Argument 1: with the recovery copy, as the program runs; 0: without it. The copy taken at
// each quiet moment runs inside the loop's processEvents and is counted in the entry's time.
void BM_ScoreEntryMainWindow(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    frmtable *window = openMainWindow();
    if (!window) {
        state.SkipWithError("the table did not open");
        return;
    }
    window->recovery()->setEnabled(state.range(0) != 0);
    settle();
    auto *grid = window->findChild<QAbstractItemView *>(QStringLiteral("MS"));
    PaintCounter counter;
    counter.watch(grid->viewport());
    int flip = 0;
    for (auto _ : state) {
        prompter.queueInput(kAnswers[flip]);
        grid->setCurrentIndex(grid->model()->index(kRow, kColumn + 1));
        window->MS_Click();
        QCoreApplication::processEvents();
        flip ^= 1;
        if ((state.iterations() & 255) == 0)
            prompter.clear();
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    deleteAllWindows();
}

// From a score entered in the 99-team table to its recovery copy on the disk (written and
// flushed): the quiet moment the copy waits for and the write on the writer's thread.
void BM_RecoveryCopyOnDisk(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    frmtable *window = openMainWindow();
    if (!window) {
        state.SkipWithError("the table did not open");
        return;
    }
    settle();
    std::atomic<bool> written = false;
    window->recovery()->writer().onWritten([&written](const QString &) { written = true; });
    auto *grid = window->findChild<QAbstractItemView *>(QStringLiteral("MS"));
    int flip = 0;
    for (auto _ : state) {
        written = false;
        prompter.queueInput(kAnswers[flip]);
        grid->setCurrentIndex(grid->model()->index(kRow, kColumn + 1));
        window->MS_Click();
        while (!written)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        flip ^= 1;
        prompter.clear();
    }
    window->recovery()->writer().onWritten({});
    deleteAllWindows();
}

// The floor: a plain QTableWidget of the same shape and size, updating only the changed cells.
void BM_ScoreEntryPlainGridFloor(benchmark::State &state) {
    auto league = playedLeague(kTeams);
    QMainWindow window;
    auto *grid = new QTableWidget(kTeams + 1, kTeams + 9);
    window.setCentralWidget(grid);
    window.resize(platform::twipsToPixelsX(15240), platform::twipsToPixelsY(9840));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    soccer::CrossTable &table = league->crossTables[1];
    for (int r = 1; r <= kTeams; ++r) {
        grid->setItem(r, 1, new QTableWidgetItem(league->teamNames[r]));
        for (int c = 1; c <= kTeams; ++c)
            grid->setItem(r, c + 1, new QTableWidgetItem(table.cells[r][c]));
        for (int s = 0; s < 7; ++s)
            grid->setItem(r, kTeams + 2 + s, new QTableWidgetItem(QStringLiteral("0")));
    }
    window.show();
    settle();
    PaintCounter counter;
    counter.watch(grid->viewport());
    int flip = 0;
    for (auto _ : state) {
        soccer::enterScore(table, kRow, kColumn, kAnswers[flip]);
        grid->item(kRow, kColumn + 1)->setText(table.cells[kRow][kColumn]);
        grid->item(kColumn, kRow + 1)->setText(table.cells[kColumn][kRow]);
        for (int team : {kRow, kColumn}) {
            const soccer::TeamStats &stats = table.stats[team];
            const double values[7] = {stats.played,   stats.losses,       stats.draws, stats.wins,
                                      stats.goalsFor, stats.goalsAgainst, stats.points};
            for (int s = 0; s < 7; ++s)
                grid->item(team, kTeams + 2 + s)->setText(soccer::statisticText(values[s]));
        }
        QCoreApplication::processEvents();
        flip ^= 1;
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

// Another round chosen in the round view of the 99-team table with its calendar, up to the
// list having painted it.
void BM_SwitchRoundMainWindow99(benchmark::State &state) {
    frmtable *window = openMainWindow(folder().calendarPath);
    if (!window) {
        state.SkipWithError("the table did not open");
        return;
    }
    window->protours();
    settle();
    auto *rounds = window->findChild<QComboBox *>(QStringLiteral("cmbtour"));
    int round = 0;
    for (auto _ : state) {
        round = (round + 1) % rounds->count();
        rounds->setCurrentIndex(round);
        QCoreApplication::processEvents();
    }
    deleteAllWindows();
}

// ---------------------------------------------------------------------------------------------
// Start-up: from making the window to its first paint

// Makes the window with `make` and runs the loop until it has painted once. Kept out of line so
// that a profiler can count exactly this part.
template <class Make> [[gnu::noinline]] bool showUntilPainted(Make &make) {
    PaintCounter counter;
    QWidget *window = make(counter);
    if (!window)
        return false;
    while (counter.paints == 0)
        QCoreApplication::processEvents();
    return true;
}

template <class Make> void timeFirstPaint(benchmark::State &state, Make make) {
    for (auto _ : state) {
        if (!showUntilPainted(make)) {
            state.SkipWithError("no window");
            break;
        }
        state.PauseTiming();
        deleteAllWindows();
        state.ResumeTiming();
    }
}

// Watches the window and every widget in it.
void watchAll(PaintCounter &counter, QWidget *window) {
    counter.watch(window);
    for (QWidget *child : window->findChildren<QWidget *>())
        counter.watch(child);
}

// Range 1 opens the same table with the full calendar of its 99 teams (9,702 matches).
void BM_StartMainWindow99(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    const QString path = state.range(0) ? folder().calendarPath : folder().tablePath;
    timeFirstPaint(state, [&path](PaintCounter &counter) -> QWidget * {
        frmtable *window = openMainWindow(path);
        if (window)
            watchAll(counter, window);
        return window;
    });
}

// What a floor copies from a real window: its size, its menus, its buttons and labels, and
// every grid with its place, its cell sizes and, for the grid shown, the texts it shows.
struct WindowPicture {
    struct Grid {
        QRect place;
        bool shown = false;
        QList<int> columnWidths;
        QList<int> rowHeights;
        QList<QStringList> texts; // by row; empty for a hidden grid
    };
    QSize size;
    QList<int> menuItems;
    QList<QRect> buttons;
    QList<QRect> labels;
    QList<Grid> grids;

    explicit WindowPicture(QMainWindow *window) {
        window->show();
        settle();
        size = window->size();
        for (QAction *menu : window->menuBar()->actions())
            menuItems << int(menu->menu()->actions().size());
        for (QToolButton *button : window->findChildren<QToolButton *>())
            if (button->parentWidget() == window->centralWidget())
                buttons << button->geometry();
        for (QLabel *label : window->findChildren<QLabel *>())
            labels << label->geometry();
        for (QTableView *view : window->findChildren<QTableView *>())
            grids << picture(view);
    }

    static Grid picture(QTableView *view) {
        Grid grid;
        grid.place = view->geometry();
        grid.shown = view->isVisible();
        QAbstractItemModel *model = view->model();
        for (int c = 0; c < model->columnCount(); ++c)
            grid.columnWidths << view->columnWidth(c);
        for (int r = 0; r < model->rowCount(); ++r) {
            grid.rowHeights << view->rowHeight(r);
            QStringList row;
            for (int c = 0; grid.shown && c < model->columnCount(); ++c)
                row << model->index(r, c).data().toString();
            grid.texts << row;
        }
        return grid;
    }
};

// A window of plain Qt controls like the pictured one: the menus, picture buttons with a
// ready-made picture, the labels, and plain tables with the same cells, the shown one filled
// with the same texts (no colours).
QMainWindow *floorWindow(const WindowPicture &picture) {
    static const QIcon ready = [] {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::darkGreen);
        return QIcon(pixmap);
    }();
    auto *window = new QMainWindow;
    window->setCentralWidget(new QWidget(window));
    for (int items : picture.menuItems) {
        QMenu *menu = window->menuBar()->addMenu(QStringLiteral("&Меню"));
        for (int i = 0; i < items; ++i)
            menu->addAction(QStringLiteral("Команда %1").arg(i))
                ->setShortcut(QKeySequence(QStringLiteral("Ctrl+F%1").arg(i + 1)));
    }
    for (const QRect &place : picture.buttons) {
        auto *button = new QToolButton(window->centralWidget());
        button->setIcon(ready);
        button->setGeometry(place);
        button->setIconSize(place.size() * 3 / 4);
    }
    for (const QRect &place : picture.labels)
        (new QLabel(QStringLiteral("Тарвел"), window->centralWidget()))->setGeometry(place);
    for (const WindowPicture::Grid &shape : picture.grids) {
        auto *grid = new QTableWidget(int(shape.rowHeights.size()), int(shape.columnWidths.size()),
                                      window->centralWidget());
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setGeometry(shape.place);
        for (int c = 0; c < shape.columnWidths.size(); ++c)
            grid->setColumnWidth(c, shape.columnWidths[c]);
        grid->verticalHeader()->setDefaultSectionSize(shape.rowHeights.value(0, 16));
        for (int r = 0; r < shape.texts.size(); ++r)
            for (int c = 0; c < shape.texts[r].size(); ++c)
                grid->setItem(r, c, new QTableWidgetItem(shape.texts[r][c]));
        grid->setVisible(shape.shown);
    }
    window->resize(picture.size);
    window->show();
    return window;
}

const WindowPicture &mainWindowPicture() {
    static const WindowPicture picture = [] {
        platform::ScriptedPrompter prompter;
        std::unique_ptr<frmtable> window(openMainWindow());
        return WindowPicture(window.get());
    }();
    return picture;
}

const WindowPicture &classicPicture() {
    static const WindowPicture picture = [] {
        platform::ScriptedPrompter prompter;
        QDir::setCurrent(folder().classicPath);
        classic::frmtable window;
        return WindowPicture(&window);
    }();
    return picture;
}

void BM_StartMainWindow99Floor(benchmark::State &state) {
    const WindowPicture &picture = mainWindowPicture();
    timeFirstPaint(state, [&](PaintCounter &counter) -> QWidget * {
        QMainWindow *window = floorWindow(picture);
        watchAll(counter, window);
        return window;
    });
}

void BM_StartOpenDialog(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    QDir::setCurrent(folder().dir.path());
    timeFirstPaint(state, [](PaintCounter &counter) -> QWidget * {
        frmopen *dialog = frmopen::create();
        watchAll(counter, dialog);
        return dialog;
    });
}

// The open-table dialog's controls: two captions, a name box, two lists, two boxes, three
// buttons, with the folder's entries listed.
void BM_StartOpenDialogFloor(benchmark::State &state) {
    timeFirstPaint(state, [](PaintCounter &counter) -> QWidget * {
        auto *dialog = new QWidget;
        dialog->resize(platform::twipsToPixelsX(6870), platform::twipsToPixelsY(4350));
        new QLabel(QStringLiteral("Имя файла:"), dialog);
        new QLabel(QStringLiteral("Папки:"), dialog);
        new QLineEdit(dialog);
        auto *files = new QListWidget(dialog);
        files->addItems(QDir(folder().dir.path()).entryList(QDir::Files));
        auto *folders = new QListWidget(dialog);
        folders->addItems(QDir(folder().dir.path()).entryList(QDir::Dirs));
        for (int box = 0; box < 2; ++box)
            (new QComboBox(dialog))->addItem(QStringLiteral("Таблицы (*.TFL)"));
        for (const char *caption : {"OK", "Новый", "Отмена"})
            new QPushButton(QString::fromUtf8(caption), dialog);
        dialog->show();
        watchAll(counter, dialog);
        return dialog;
    });
}

void BM_StartClassic(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    QDir::setCurrent(folder().classicPath);
    timeFirstPaint(state, [](PaintCounter &counter) -> QWidget * {
        auto *window = new classic::frmtable;
        window->show();
        watchAll(counter, window);
        return window;
    });
}

void BM_StartClassicFloor(benchmark::State &state) {
    const WindowPicture &picture = classicPicture();
    timeFirstPaint(state, [&](PaintCounter &counter) -> QWidget * {
        QMainWindow *window = floorWindow(picture);
        watchAll(counter, window);
        return window;
    });
}

// ---------------------------------------------------------------------------------------------
// Paints of a freshly opened 99-team main window until it is idle: reported, not timed.

void BM_PaintsUntilIdleMainWindow99(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    int paints = 0;
    for (auto _ : state) {
        PaintCounter counter;
        frmtable *window = openMainWindow();
        if (!window) {
            state.SkipWithError("the table did not open");
            break;
        }
        for (const char *name : {"MS", "ms1", "MSF"})
            counter.watch(window->findChild<QAbstractItemView *>(QLatin1String(name))->viewport());
        // Past the one-shot display refresh, then until nothing is left to do.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 50)
            QCoreApplication::processEvents();
        settle();
        paints = counter.paints;
        state.PauseTiming();
        deleteAllWindows();
        state.ResumeTiming();
    }
    state.counters["grid paints"] = paints;
}

// The chart of places of 99 teams over the 196 rounds of their calendar: the places counted
// once (their time reported), then the chart painted as the window paints it, all lines
// coloured, on an image of its full size.
void BM_PaintPlacesChart99(benchmark::State &state) {
    auto league = playedLeague(kTeams);
    league->calendar = soccer::drawCalendar(kTeams, {QDate(2026, 8, 15), 7, false, 0});
    QElapsedTimer counting;
    counting.start();
    const soccer::PlacesHistory history = soccer::placesHistory(*league);
    state.counters["count_ms"] = double(counting.elapsed());
    state.counters["rounds"] = double(history.rounds.size());
    QImage image(int(soccer::placeschart::chartWidth(history)),
                 int(soccer::placeschart::chartHeight(history)), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        publish::paintPlacesChart(painter, league->teamNames, history);
    }
}

} // namespace

BENCHMARK(BM_PaintPlacesChart99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoreEntryMainWindow)->Arg(0)->Arg(1)->MinTime(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecoveryCopyOnDisk)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoreEntryPlainGridFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SwitchRoundMainWindow99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMainWindow99)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMainWindow99Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartOpenDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartOpenDialogFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartClassic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartClassicFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintsUntilIdleMainWindow99)->Iterations(3)->Unit(benchmark::kMillisecond);

// The offscreen platform warns of every window that it cannot tell the window manager about.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (!message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%d: %s\n", int(type), qPrintable(message));
}

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropPlatformNotes);
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    deleteAllWindows();
    return 0;
}
