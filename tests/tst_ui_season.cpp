// The results view over time: the selectors choose between the results grid of old and the
// grid of the table after a round, home or away, with its columns; the places arrive from the
// worker.
#include "tst_kit_mainwindow.h"
#include "tst_kit_season.h"
#include "ui/main/placeschartview.h"
#include "ui/main/seasonview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>

using namespace testkit;

namespace {

const soccer::ColorScheme kScheme{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};

} // namespace

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
    QTest::addColumn<QDate>("date"); // null: no date chosen
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("form");
    QTest::addColumn<bool>("places");
    QTest::addColumn<int>("offered");
    QTest::addColumn<QStringList>("added");  // empty: the results grid of old is shown
    QTest::addColumn<QString>("leaderLast"); // the last column of place 1
    QTest::addColumn<int>("relegated");      // the last places that go down, kept in the table
    QTest::newRow("all matches") << true << 0 << QDate() << 0 << false << false << 35
                                 << QStringList() << "" << 0;
    QTest::newRow("after round 17")
        << true << 17 << QDate() << 0 << false << false << 35 << QStringList{"±"} << "46" << 0;
    QTest::newRow("home, form") << true << 0 << QDate() << 1 << true << false << 35
                                << QStringList{"Последние 5"} << "ВВВНВ" << 0;
    QTest::newRow("no calendar") << false << 0 << QDate() << 0 << false << false << 1
                                 << QStringList() << "" << 0;
    QTest::newRow("places after round 33") << true << 33 << QDate() << 0 << false << true << 35
                                           << QStringList{"±", "Места"} << "1 Чемпион" << 0;
    QTest::newRow("places after round 33, two go down")
        << true << 33 << QDate() << 0 << false << true << 35 << QStringList{"±", "Места"}
        << "1 Чемпион" << 2;
    QTest::newRow("places after round 30") << true << 30 << QDate() << 0 << false << true << 35
                                           << QStringList{"±", "Места"} << "1–2" << 0;
    QTest::newRow("as of the winter break") << true << 0 << QDate(2015, 12, 31) << 0 << false
                                            << false << 35 << QStringList() << "46" << 0;
}

void TestUiSeason::selectorsChooseTheGrid() {
    QFETCH(bool, calendar);
    QFETCH(int, round);
    QFETCH(QDate, date);
    QFETCH(int, side);
    QFETCH(bool, form);
    QFETCH(bool, places);
    QFETCH(int, offered);
    QFETCH(QStringList, added);
    QFETCH(QString, leaderLast);
    QFETCH(int, relegated);
    Sandbox sandbox(kScheme);
    auto league = seasonkit::importedSeason();
    if (!calendar)
        league->calendar = {};
    league->competition.relegationPlaces = relegated;
    frmtable *window = sandbox.open(sandbox.table("SEASON.TFL", *league));
    QCOMPARE(control<QComboBox>(window, "cborounds")->count(), offered);
    QCOMPARE(control<QComboBox>(window, "cboside")->isEnabled(), calendar);
    QSignalSpy placesShown(control<SeasonView>(window, "frseason"), &SeasonView::placesShown);
    window->protable();
    // Without a calendar the results table is shown as it always was, with nothing beside it.
    QCOMPARE(control<SeasonView>(window, "frseason")->isVisible(), calendar);
    control<QComboBox>(window, "cborounds")->setCurrentIndex(round);
    QCOMPARE(control<QCheckBox>(window, "chkdate")->isEnabled(), calendar);
    if (date.isValid()) {
        control<QDateEdit>(window, "dtpdate")->setDate(date);
        control<QCheckBox>(window, "chkdate")->click();
        QVERIFY(!control<QComboBox>(window, "cborounds")->isEnabled());
    }
    control<QComboBox>(window, "cboside")->setCurrentIndex(side);
    for (auto [name, on] : {std::pair{"chkform", form}, std::pair{"chkplaces", places}}) {
        if (on)
            control<QCheckBox>(window, name)->click();
    }
    QVERIFY(!places || placesShown.wait(20000));
    auto *overTime = control<QTableView>(window, "MSV");
    const bool overTimeShown = !added.isEmpty() || date.isValid();
    QCOMPARE(overTime->isVisible(), overTimeShown);
    QCOMPARE(grid(window, "MSF")->isVisible(), !overTimeShown);
    QStringList headers;
    for (int column = 0; column < overTime->model()->columnCount() && overTimeShown; ++column)
        headers << overTime->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers.filter(QRegularExpression("^(±|Последние 5|Места)$")), added);
    const QModelIndex last = overTime->model()->index(0, overTime->model()->columnCount() - 1);
    QCOMPARE(overTimeShown ? last.data().toString() : QString(), leaderLast);
    if (overTimeShown) {
        // The user's colours, striped as in the results grid, where the first team is row 1.
        const auto paint = [&](int row, int column) {
            return overTime->model()->index(row, column).data(Qt::BackgroundRole).value<QBrush>();
        };
        QCOMPARE(paint(0, 1).color(), platform::toColor(kScheme.main));
        QCOMPARE(paint(0, last.column()).color(), platform::toColor(kScheme.second));
        QCOMPARE(paint(1, last.column()).color(), platform::toColor(kScheme.main));
        QCOMPARE(overTime->palette().color(QPalette::Text), platform::toColor(kScheme.text));
    }
    if (!places)
        return;
    // The organiser's number of places that go down, read with the table, marks the last team
    // once it is settled; taking it away is a step of the table that undo takes back.
    auto *spin = control<QSpinBox>(window, "spnrelegation");
    QCOMPARE(spin->value(), relegated);
    const QModelIndex bottom = overTime->model()->index(overTime->model()->rowCount() - 1,
                                                        overTime->model()->columnCount() - 1);
    const auto marked = [&] { return bottom.data().toString().endsWith(QStringLiteral("Вылет")); };
    QCOMPARE(marked(), relegated > 0);
    auto *undo = control<QAction>(window, "mnuundo");
    spin->setValue(0);
    QVERIFY(!marked());
    QCOMPARE(undo->isEnabled(), relegated > 0);
    if (relegated == 0)
        return;
    QCOMPARE(undo->text(), QStringLiteral("&Отменить число мест вылета"));
    undo->trigger();
    QCOMPARE(spin->value(), relegated);
    QVERIFY(marked());
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
