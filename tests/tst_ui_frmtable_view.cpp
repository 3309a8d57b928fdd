// What the grids of the main window show: the results table from place 1 and its headers,
// however many teams there are.
#include "tst_ui_frmtable_kit.h"

#include <QScrollBar>

using namespace maintest;

namespace {

constexpr int kTeams = 99;

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
    QCOMPARE(results->currentColumn(), 8);
}

} // namespace

class TestMainWindowView : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void resultsStartAtPlaceOne();
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

QTEST_MAIN(TestMainWindowView)
#include "tst_ui_frmtable_view.moc"
