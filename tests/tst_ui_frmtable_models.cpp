// The main window's grids as views of the open table: a freshly opened table is painted once,
// a score entry announces its two cells and the statistics that changed and nothing else, and
// the display refresh repaints only colours that differ.
#include "tst_kit_mainwindow.h"

#include <QAbstractItemModel>
#include <set>
#include <utility>

using namespace testkit;

namespace {

// Counts the paints of the grids' viewports.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(frmtable *window) {
        for (const char *name : {"MS", "ms1", "MSF"})
            grid(window, name)->viewport()->installEventFilter(this);
    }
    int paints = 0;

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until nothing is left to do.
void settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QTest::qWait(5);
    }
}

using Cell = std::pair<int, int>;

// The cells a model announced, by role.
class Announcements : public QObject {
  public:
    explicit Announcements(QAbstractItemModel *model) {
        connect(
            model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles) {
                for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
                    for (int c = topLeft.column(); c <= bottomRight.column(); ++c)
                        (roles.contains(Qt::BackgroundRole) ? backgrounds : texts).insert({r, c});
            });
    }
    std::set<Cell> texts;
    std::set<Cell> backgrounds;
};

// The statistic cells of `team` in a cross-table grid, for the given counters.
std::set<Cell> statistics(TableGrid *cross, int team,
                          std::initializer_list<soccer::Counter> counters) {
    std::set<Cell> cells;
    for (soccer::Counter counter : counters)
        cells.insert({team, statisticColumn(cross, counter)});
    return cells;
}

std::set<Cell> joined(std::initializer_list<std::set<Cell>> parts) {
    std::set<Cell> all;
    for (const auto &part : parts)
        all.insert(part.begin(), part.end());
    return all;
}

} // namespace

class TestMainWindowModels : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void freshTableIsPaintedOnce_data();
    void freshTableIsPaintedOnce();
    void scoreEntryAnnouncesOnlyWhatChanged();
    void dismissedOrIgnoredAnswerAnnouncesNothing();
    void refreshRepaintsOnlyColoursThatDiffer();
};

void TestMainWindowModels::freshTableIsPaintedOnce_data() {
    QTest::addColumn<int>("teams");
    QTest::newRow("4 teams") << 4;
    QTest::newRow("99 teams") << 99;
}

void TestMainWindowModels::freshTableIsPaintedOnce() {
    QFETCH(int, teams);
    Sandbox sandbox;
    const QString path = sandbox.blankTable(QStringLiteral("t.TFL"), teams);
    frmopen::pros() = path;
    frmtable *window = navigation::tableChosen();
    QVERIFY(window);
    PaintCounter counter(window);
    QTRY_VERIFY(!window->refreshPending());
    settle();
    QCOMPARE(counter.paints, 1);
}

void TestMainWindowModels::scoreEntryAnnouncesOnlyWhatChanged() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable(QStringLiteral("t.TFL"), 4));
    Announcements first(grid(window, "MS")->model());
    Announcements second(grid(window, "ms1")->model());
    Announcements results(grid(window, "MSF")->model());

    // A first result: both cells, and every statistic of both teams but the draws and, for
    // the loser, the wins and points.
    sandbox.prompter.queueInput(QStringLiteral("2 1"));
    grid(window, "MS")->setCurrentCell(1, 4);
    window->MS_Click();
    using enum soccer::Counter;
    TableGrid *cross = grid(window, "MS");
    QCOMPARE(first.texts,
             joined({{{1, 4}, {3, 2}},
                     statistics(cross, 1, {Played, Wins, GoalsFor, GoalsAgainst, Points}),
                     statistics(cross, 3, {Played, Losses, GoalsFor, GoalsAgainst})}));
    QVERIFY(second.texts.empty() && results.texts.empty());
    QVERIFY(first.backgrounds.empty());

    // The same outcome with another goal: the cells and the goals only.
    first.texts.clear();
    sandbox.prompter.queueInput(QStringLiteral("3 1"));
    window->MS_Click();
    QCOMPARE(first.texts, joined({{{1, 4}, {3, 2}},
                                  statistics(cross, 1, {GoalsFor}),
                                  statistics(cross, 3, {GoalsAgainst})}));
    QCOMPARE(grid(window, "MS")->text(1, 4), QStringLiteral(" 3: 1"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 1),
             QStringList({"1", "0", "0", "1", "3", "1", "3"}));
}

void TestMainWindowModels::dismissedOrIgnoredAnswerAnnouncesNothing() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable(QStringLiteral("t.TFL"), 4));
    Announcements first(grid(window, "MS")->model());
    grid(window, "MS")->setCurrentCell(2, 3);
    sandbox.prompter.queueDismissedInput();
    window->MS_Click();
    sandbox.prompter.queueInput(QStringLiteral("21"));
    window->MS_Click();
    QVERIFY(first.texts.empty());
    QVERIFY(grid(window, "MS")->text(2, 3).isEmpty());
}

void TestMainWindowModels::refreshRepaintsOnlyColoursThatDiffer() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable(QStringLiteral("t.TFL"), 4));
    settle();
    Announcements first(grid(window, "MS")->model());
    PaintCounter counter(window);
    window->armRefresh();
    QTRY_VERIFY(!window->refreshPending());
    settle();
    QCOMPARE(counter.paints, 0);
    QVERIFY(first.texts.empty() && first.backgrounds.empty());

    soccer::writeOptionsFile(soccer::optionsFilePath(), unusualScheme());
    window->armRefresh();
    QTRY_VERIFY(!window->refreshPending());
    QVERIFY(first.texts.empty());
    QVERIFY(first.backgrounds.count({2, 3}) == 1);
    QCOMPARE(grid(window, "MS")->background(1, 3), platform::toColor(unusualScheme().second));
}

QTEST_MAIN(TestMainWindowModels)
#include "tst_ui_frmtable_models.moc"
