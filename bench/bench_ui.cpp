// Timings of the windows on the offscreen platform, each against a floor measured in the same
// run: a window of plain Qt controls of the same kinds that shows the same content.
//
// - A score entry in the 99-team main window, from the answer to the grid having painted,
//   against a plain QTableWidget that updates only the cells that change.
// - The start of each program up to its first window painted, against a window with the same
//   controls; and the number of paints a freshly opened 99-team main window makes until idle.

#include "classic/frmtable.h"
#include "core/options.h"
#include "core/score.h"
#include "core/tablefile.h"
#include "ui/app/navigation.h"
#include "ui/dialogs/frmopen.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>

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

    Folder() {
        if (!dir.isValid())
            throw std::runtime_error("no temporary folder");
        soccer::setProgramFolder(dir.path());
        soccer::writeOptionsFile(soccer::optionsFilePath(), soccer::ColorScheme::standard());
        soccer::writeTableFile(tablePath, *playedLeague(kTeams));
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
frmtable *openMainWindow() {
    frmopen::pros() = folder().tablePath;
    return navigation::tableChosen();
}

// ---------------------------------------------------------------------------------------------
// Score entry

// Two answers that change the pair's result and both teams' statistics each time.
const QString kAnswers[2] = {QStringLiteral("2 1"), QStringLiteral("1 3")};
constexpr int kRow = 3;
constexpr int kColumn = 5;

void BM_ScoreEntryMainWindow(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    frmtable *window = openMainWindow();
    if (!window) {
        state.SkipWithError("the table did not open");
        return;
    }
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

// ---------------------------------------------------------------------------------------------
// Start-up: from making the window to its first paint

// Shows `window` if asked and runs the loop until it has painted once.
template <class Make> void timeFirstPaint(benchmark::State &state, Make make) {
    for (auto _ : state) {
        PaintCounter counter;
        QWidget *window = make(counter);
        if (!window) {
            state.SkipWithError("no window");
            break;
        }
        while (counter.paints == 0)
            QCoreApplication::processEvents();
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

void BM_StartMainWindow99(benchmark::State &state) {
    platform::ScriptedPrompter prompter;
    timeFirstPaint(state, [](PaintCounter &counter) -> QWidget * {
        frmtable *window = openMainWindow();
        if (window)
            watchAll(counter, window);
        return window;
    });
}

QToolButton *floorButton(QWidget *parent, const char *icon, int left) {
    auto *button = new QToolButton(parent);
    button->setIcon(platform::commandIcon(QLatin1String(icon)));
    button->setGeometry(left, 0, platform::twipsToPixelsX(600), platform::twipsToPixelsY(600));
    return button;
}

QMenu *floorMenu(QMainWindow *window, const QString &title, int items) {
    QMenu *menu = window->menuBar()->addMenu(title);
    for (int i = 0; i < items; ++i)
        menu->addAction(QStringLiteral("Команда %1").arg(i))->setShortcut(QKeySequence("Ctrl+F1"));
    return menu;
}

// A plain table filled with texts, no colours, of the given place and size.
QTableWidget *floorGrid(QWidget *parent, const QRect &place, int rows, int columns,
                        const std::function<QString(int, int)> &text) {
    auto *grid = new QTableWidget(rows, columns, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setGeometry(place);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            grid->setItem(r, c, new QTableWidgetItem(text(r, c)));
    return grid;
}

// The main window's controls: two menus, twelve picture buttons, a caption, the shown grid
// filled with the same texts and two hidden ones.
void BM_StartMainWindow99Floor(benchmark::State &state) {
    const auto league = playedLeague(kTeams);
    timeFirstPaint(state, [&](PaintCounter &counter) -> QWidget * {
        auto *window = new QMainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setCentralWidget(new QWidget(window));
        floorMenu(window, QStringLiteral("&Меню"), 11);
        floorMenu(window, QStringLiteral("Сп&равка"), 2);
        const char *icons[] = {"new",    "open",  "save",   "chess1", "chess2", "table",
                               "rename", "clear", "option", "help",   "about",  "exit"};
        int left = 0;
        for (const char *icon : icons)
            left += floorButton(window->centralWidget(), icon, left)->width();
        new QLabel(window->centralWidget());
        const QRect place(0, platform::twipsToPixelsY(1080), platform::twipsToPixelsX(13455),
                          platform::twipsToPixelsY(4860));
        const soccer::CrossTable &table = league->crossTables[1];
        floorGrid(window->centralWidget(), place, kTeams + 1, kTeams + 9, [&](int r, int c) {
            if (r == 0 || c == 0)
                return QString::number(r + c);
            if (c == 1)
                return league->teamNames[r];
            return c <= kTeams + 1 ? table.cells[r][c - 1] : QStringLiteral("0");
        });
        for (int hidden = 0; hidden < 2; ++hidden)
            (new QTableWidget(window->centralWidget()))->hide();
        window->resize(platform::twipsToPixelsX(15240), platform::twipsToPixelsY(9840));
        window->show();
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

// The classic window's controls: two menus, eight picture buttons, the cross-table shown and
// the results table hidden, both filled with plain texts.
void BM_StartClassicFloor(benchmark::State &state) {
    timeFirstPaint(state, [](PaintCounter &counter) -> QWidget * {
        auto *window = new QMainWindow;
        window->setCentralWidget(new QWidget(window));
        floorMenu(window, QStringLiteral("&Меню"), 6);
        floorMenu(window, QStringLiteral("Сп&равка"), 2);
        const char *icons[] = {"chess1", "table", "save", "rename",
                               "clear",  "exit",  "help", "about"};
        int left = 0;
        for (const char *icon : icons)
            left += floorButton(window->centralWidget(), icon, left)->width();
        const int rowHeight = platform::twipsToPixelsY(240);
        const QRect cross(0, platform::twipsToPixelsY(600), platform::twipsToPixelsX(13065),
                          rowHeight * 17 + 4);
        floorGrid(window->centralWidget(), cross, 17, 23,
                  [](int r, int c) { return QString::number(r * 23 + c); });
        floorGrid(window->centralWidget(), cross, 17, 7, [](int r, int c) {
            return QString::number(r * 7 + c);
        })->hide();
        window->show();
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

} // namespace

BENCHMARK(BM_ScoreEntryMainWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScoreEntryPlainGridFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartMainWindow99)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMainWindow99Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartOpenDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartOpenDialogFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartClassic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartClassicFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintsUntilIdleMainWindow99)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    deleteAllWindows();
    return 0;
}
