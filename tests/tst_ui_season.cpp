// The results view over time: the selectors choose between the results grid of old and the
// grid of the table after a round, home or away, with its columns; the places arrive from the
// worker.
#include "tst_kit_mainwindow.h"
#include "tst_kit_season.h"
#include "ui/main/placeschartview.h"
#include "ui/main/seasonview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>

using namespace testkit;

class TestUiSeason : public QObject {
    Q_OBJECT

  private slots:
    void selectorsChooseTheGrid_data();
    void selectorsChooseTheGrid();
    void chartFollowsTheTable();
};

void TestUiSeason::selectorsChooseTheGrid_data() {
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("form");
    QTest::addColumn<bool>("places");
    QTest::addColumn<int>("offered");
    QTest::addColumn<QStringList>("added");  // empty: the results grid of old is shown
    QTest::addColumn<QString>("leaderLast"); // the last column of place 1
    QTest::addColumn<int>("relegated");      // the last places that go down
    QTest::newRow("all matches") << true << 0 << 0 << false << false << 35 << QStringList() << ""
                                 << 0;
    QTest::newRow("after round 17")
        << true << 17 << 0 << false << false << 35 << QStringList{"±"} << "46" << 0;
    QTest::newRow("home, form") << true << 0 << 1 << true << false << 35
                                << QStringList{"Последние 5"} << "ВВВНВ" << 0;
    QTest::newRow("no calendar") << false << 0 << 0 << false << false << 1 << QStringList() << ""
                                 << 0;
    QTest::newRow("places after round 33")
        << true << 33 << 0 << false << true << 35 << QStringList{"±", "Места"} << "1 Чемпион" << 0;
    QTest::newRow("places after round 33, two go down")
        << true << 33 << 0 << false << true << 35 << QStringList{"±", "Места"} << "1 Чемпион" << 2;
    QTest::newRow("places after round 30")
        << true << 30 << 0 << false << true << 35 << QStringList{"±", "Места"} << "1–2" << 0;
}

void TestUiSeason::selectorsChooseTheGrid() {
    QFETCH(bool, calendar);
    QFETCH(int, round);
    QFETCH(int, side);
    QFETCH(bool, form);
    QFETCH(bool, places);
    QFETCH(int, offered);
    QFETCH(QStringList, added);
    QFETCH(QString, leaderLast);
    QFETCH(int, relegated);
    Sandbox sandbox;
    auto league = seasonkit::importedSeason();
    if (!calendar)
        league->calendar = {};
    frmtable *window = sandbox.open(sandbox.table("SEASON.TFL", *league));
    QCOMPARE(control<QComboBox>(window, "cborounds")->count(), offered);
    QCOMPARE(control<QComboBox>(window, "cboside")->isEnabled(), calendar);
    QSignalSpy placesShown(control<SeasonView>(window, "frseason"), &SeasonView::placesShown);
    window->protable();
    // Without a calendar the results table is shown as it always was, with nothing beside it.
    QCOMPARE(control<SeasonView>(window, "frseason")->isVisible(), calendar);
    control<QComboBox>(window, "cborounds")->setCurrentIndex(round);
    control<QComboBox>(window, "cboside")->setCurrentIndex(side);
    for (auto [name, on] : {std::pair{"chkform", form}, std::pair{"chkplaces", places}}) {
        if (on)
            control<QCheckBox>(window, name)->click();
    }
    QVERIFY(!places || placesShown.wait(20000));
    auto *overTime = control<QTableView>(window, "MSV");
    QCOMPARE(overTime->isVisible(), !added.isEmpty());
    QCOMPARE(grid(window, "MSF")->isVisible(), added.isEmpty());
    QStringList headers;
    for (int column = 0; column < overTime->model()->columnCount() && !added.isEmpty(); ++column)
        headers << overTime->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers.filter(QRegularExpression("^(±|Последние 5|Места)$")), added);
    const QModelIndex last = overTime->model()->index(0, overTime->model()->columnCount() - 1);
    QCOMPARE(added.isEmpty() ? QString() : last.data().toString(), leaderLast);
    if (!places)
        return;
    // The organiser's number of places that go down marks the last team once it is settled.
    control<QSpinBox>(window, "spnrelegation")->setValue(relegated);
    const QModelIndex bottom = overTime->model()->index(overTime->model()->rowCount() - 1,
                                                        overTime->model()->columnCount() - 1);
    QCOMPARE(bottom.data().toString().endsWith(QStringLiteral("Вылет")), relegated > 0);
}

// The chart counts the places when shown, and again after a result is cleared while shown.
void TestUiSeason::chartFollowsTheTable() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("SEASON.TFL", *seasonkit::importedSeason()));
    auto *chart = control<PlacesChartView>(window, "frchart");
    QVERIFY(chart->history().rounds.empty());
    control<QAction>(window, "mnuchart")->trigger();
    QVERIFY(chart->isVisible());
    QCOMPARE(int(chart->history().rounds.size()), 34);
    QCOMPARE(control<QListWidget>(window, "lstteams")->count(), 18);
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    window->proclear();
    QTRY_VERIFY(chart->history().rounds.empty());
}

QTEST_MAIN(TestUiSeason)
#include "tst_ui_season.moc"
