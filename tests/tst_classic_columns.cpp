// The classic edition's grids show every text whole: long names, large scores and three-digit
// counters widen their columns, and the grids and the window grow so that no cell is hidden.
#include "classic/classicleague.h"
#include "classic/frmtable.h"
#include "tst_columns_kit.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using columnskit::clippedCells;

namespace {

const QStringList kLongNames = {"Wolverhampton Wanderers", "Брайтон энд Хоув Альбион"};

// A season with long names, large scores and counters that need three digits.
std::unique_ptr<soccer::League> bigSeason() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = classic::kTeams;
    soccer::CrossTable &table = league->crossTables[classic::kHalf];
    for (int team = 1; team <= classic::kTeams; ++team)
        league->teamNames[team] = QStringLiteral("Клуб %1").arg(team);
    league->teamNames[1] = kLongNames[0];
    league->teamNames[2] = kLongNames[1];
    classic::enterScore(table, 1, 2, QStringLiteral("120 3"));
    classic::enterScore(table, 3, 4, QStringLiteral("7 115"));
    for (int team = 1; team <= classic::kTeams; ++team)
        table.stats[team] =
            classic::fromScreenOrder({double(100 + team), 250, 333, 444, double(900 + team)});
    return league;
}

// The layout's widths of the cross-table's and the results table's columns, in pixels.
QList<int> minimums(const QList<int> &twips) {
    QList<int> pixels;
    for (int width : twips)
        pixels << platform::twipsToPixelsX(width);
    return pixels;
}

QList<int> crossTableMinimums() {
    QList<int> twips = {350, 1350};
    for (int c = 1; c <= classic::kTeams; ++c)
        twips << 600;
    for (int i = 0; i < classic::kCounterCount; ++i)
        twips << 350;
    return minimums(twips);
}

QList<int> resultsMinimums() {
    QList<int> twips = {350, 1350};
    for (int i = 0; i < classic::kCounterCount; ++i)
        twips << 350;
    return minimums(twips);
}

// The grid shows its last cell and lies inside the window's client area.
void checkWholeGridShown(QTableWidget *grid, QWidget *client) {
    const QModelIndex last = grid->model()->index(classic::kTeams, grid->columnCount() - 1);
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(last)));
    QVERIFY(client->rect().contains(grid->geometry()));
}

} // namespace

class TestClassicColumns : public QObject {
    Q_OBJECT

  private slots:
    void everyTextIsShownWhole();
};

void TestClassicColumns::everyTextIsShownWhole() {
    QTemporaryDir folder;
    classic::saveLeague(*bigSeason(), QDir(folder.path()));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    platform::ScriptedPrompter prompter;
    auto window = std::make_unique<classic::frmtable>();
    window->show();
    QDir::setCurrent(previous);
    QVERIFY(window->loaded());
    auto *cross = window->findChild<QTableWidget *>("MS");
    auto *results = window->findChild<QTableWidget *>("MSF");

    QCOMPARE(cross->item(1, 1)->text(), kLongNames[0]);
    QVERIFY(cross->columnWidth(1) > platform::twipsToPixelsX(1350));
    QVERIFY(cross->columnWidth(3) > platform::twipsToPixelsX(600)); // " 120: 3"
    QStringList faults = clippedCells(cross, crossTableMinimums());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    checkWholeGridShown(cross, window->centralWidget());

    window->findChild<QAction *>("mnutable")->trigger();
    QVERIFY(results->isVisible());
    faults = clippedCells(results, resultsMinimums());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    checkWholeGridShown(results, window->centralWidget());
    // Still centred in the grown window.
    QVERIFY(qAbs(results->geometry().center().x() - window->centralWidget()->width() / 2) <= 1);

    // A long name typed later widens its column at once, and the window follows.
    window->findChild<QAction *>("mnuchess")->trigger();
    const int before = window->centralWidget()->width();
    prompter.queueAnswer(platform::Answer::Yes);
    prompter.queueInput(QStringLiteral("Брайтон энд Хоув Альбион энд Сассекс"));
    const QRect name = cross->visualRect(cross->model()->index(5, 1));
    QTest::mouseClick(cross->viewport(), Qt::LeftButton, {}, name.center());
    QCOMPARE(cross->item(5, 1)->text(), QStringLiteral("Брайтон энд Хоув Альбион энд Сассекс"));
    faults = clippedCells(cross, crossTableMinimums());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    checkWholeGridShown(cross, window->centralWidget());
    QVERIFY(window->centralWidget()->width() > before);
}

QTEST_MAIN(TestClassicColumns)
#include "tst_classic_columns.moc"
