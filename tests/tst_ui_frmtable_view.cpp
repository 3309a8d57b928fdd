// What the grids of the main window show: every text whole, whatever the names and totals,
// and the results table from place 1 and its headers, however many teams there are.
#include "tst_columns_kit.h"
#include "tst_kit_mainwindow.h"

#include <QScrollBar>

using namespace testkit;
using columnskit::clippedCells;

namespace {

constexpr int kTeams = 99;

const QStringList kLongNames = {"Tottenham Hotspur", "Wolverhampton Wanderers",
                                "Брайтон энд Хоув Альбион", "Борусся Мёнхенгладбах"};

// 99 teams, the first ones with long names, and every match of both halves played: the totals
// of the results table run to three digits (196 played), and so do the goals of each half.
std::unique_ptr<soccer::League> fullSeason() {
    QStringList names = kLongNames;
    while (names.size() < kTeams)
        names << QStringLiteral("Клуб %1").arg(names.size() + 1);
    auto league = namedLeague(names);
    for (int half = 1; half <= 2; ++half)
        for (int r = 1; r <= kTeams; ++r)
            for (int c = r + 1; c <= kTeams; ++c)
                soccer::enterScore(league->crossTables[half], r, c,
                                   QStringLiteral("%1 %2").arg((r + c + half) % 5).arg(r * c % 4));
    return league;
}

// The layout's widths of the columns of a cross-table and of the results table, in pixels.
QList<int> crossTableMinimums(int teams) {
    QList<int> twips = {350, 1650};
    for (int c = 1; c <= teams; ++c)
        twips << 600;
    for (std::size_t i = 0; i < soccer::kCrossTableColumns.size(); ++i)
        twips << 350;
    QList<int> pixels;
    for (int width : twips)
        pixels << platform::twipsToPixelsX(width);
    return pixels;
}

QList<int> resultsMinimums() {
    QList<int> pixels = {platform::twipsToPixelsX(350), platform::twipsToPixelsX(1650)};
    for (std::size_t i = 0; i < soccer::kResultsGridColumns.size(); ++i)
        pixels << platform::twipsToPixelsX(350);
    return pixels;
}

void click(TableGrid *shown, int row, int column) {
    const QRect cell = shown->visualRect(shown->model()->index(row, column));
    QVERIFY(shown->viewport()->rect().contains(cell.center()));
    QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, cell.center());
}

// Place 1 and the headers in view, while the current cell stays on the last cell written.
void checkShowsTheTop(TableGrid *results) {
    QCOMPARE(results->verticalScrollBar()->value(), 0);
    QCOMPARE(results->horizontalScrollBar()->value(), 0);
    QCOMPARE(results->rowAt(0), 0);
    QCOMPARE(results->columnAt(0), 0);
    QVERIFY(
        results->viewport()->rect().contains(results->visualRect(results->model()->index(1, 1))));
    QCOMPARE(results->currentRow(), kTeams);
    QCOMPARE(results->currentColumn(), statisticColumn(results, soccer::Counter::Points));
}

} // namespace

class TestMainWindowView : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void resultsStartAtPlaceOne();
    void everyTextIsShownWhole();
    void columnsNarrowAgainToTheirMinimum();
};

void TestMainWindowView::resultsStartAtPlaceOne() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", kTeams));
    TableGrid *results = grid(window, "MSF");
    window->protable();
    QVERIFY(results->isVisible());
    QVERIFY2(results->verticalScrollBar()->maximum() > 0, "99 teams should need scrolling");
    checkShowsTheTop(results);

    // Re-ordered by a header click ("П"), then after the user scrolled down and clicked a row.
    click(results, 0, 3);
    checkShowsTheTop(results);
    results->verticalScrollBar()->setValue(results->verticalScrollBar()->maximum());
    QVERIFY(results->rowAt(0) > 0);
    click(results, results->rowAt(results->viewport()->height() / 2), 1);
    checkShowsTheTop(results);

    // Back from a cross-table, the results are filled anew and start at the top again.
    results->verticalScrollBar()->setValue(results->verticalScrollBar()->maximum());
    window->prochess();
    window->protable();
    checkShowsTheTop(results);
}

void TestMainWindowView::everyTextIsShownWhole() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("season.TFL", *fullSeason()));
    for (const char *name : {"MS", "ms1"}) {
        TableGrid *cross = grid(window, name);
        QCOMPARE(cross->text(1, 1), kLongNames[0]);
        QVERIFY(cross->text(1, statisticColumn(cross, soccer::Counter::GoalsFor)).size() == 3);
        const QStringList faults = clippedCells(cross, crossTableMinimums(kTeams));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    window->protable();
    TableGrid *results = grid(window, "MSF");
    QVERIFY(results->text(1, 2).size() == 3); // 196 played
    QVERIFY(results->columnWidth(1) > platform::twipsToPixelsX(1650));
    const QStringList faults = clippedCells(results, resultsMinimums());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY2(results->text(1, 1) == results->text(1, 1).toUpper(), "names in upper case");
    // The grid grew with its columns: none is hidden behind a sideways scroll.
    QCOMPARE(results->horizontalScrollBar()->maximum(), 0);
    QVERIFY(results->geometry().right() < results->parentWidget()->width());
    checkShowsTheTop(results);

    // Re-ordering keeps every text whole.
    click(results, 0, 6);
    const QStringList reordered = clippedCells(results, resultsMinimums());
    QVERIFY2(reordered.isEmpty(), qPrintable(reordered.join('\n')));
}

// A column sized by a long name goes back to the layout's width when the name goes; it never
// becomes narrower than that.
void TestMainWindowView::columnsNarrowAgainToTheirMinimum() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague({"A", "B", "C", "D"})));
    TableGrid *ms = grid(window, "MS");
    const int layoutWidth = platform::twipsToPixelsX(1650);
    QCOMPARE(ms->columnWidth(1), layoutWidth);

    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(kLongNames[1]);
    ms->setCurrentCell(2, 1);
    window->MS_Click();
    const int widened = ms->columnWidth(1);
    QVERIFY(widened > layoutWidth);
    QCOMPARE(grid(window, "ms1")->columnWidth(1), widened);

    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("Wolves"));
    window->MS_Click();
    QCOMPARE(ms->columnWidth(1), layoutWidth);
    QCOMPARE(grid(window, "ms1")->columnWidth(1), layoutWidth);
    QVERIFY(sandbox.prompter.allAnswersUsed());
}

QTEST_MAIN(TestMainWindowView)
#include "tst_ui_frmtable_view.moc"
