// The results view with its header clicks, and the two commands that change the whole table:
// clearing and renaming.
#include "tst_kit_mainwindow.h"

using namespace testkit;

namespace {

// Four teams whose totals order differently by every column. Totals over both halves:
//            И  П  Н  В  Мя чи О
//   Альфа    4  1  0  3  6  4  9
//   Бета     3  2  0  1  2  6  3
//   Вега     3  0  0  3  7  1  9
//   Гранит   3  2  0  1  3  6  3
std::unique_ptr<soccer::League> rankedLeague() {
    auto league = namedLeague({"Альфа", "Бета", "Вега", "Гранит"});
    auto &first = league->crossTables[1].stats;
    //           played points wins losses draws for against
    first[1] = {3, 6, 2, 1, 0, 5, 4};
    first[2] = {3, 3, 1, 2, 0, 2, 6};
    first[3] = {3, 9, 3, 0, 0, 7, 1};
    first[4] = {3, 3, 1, 2, 0, 3, 6};
    league->crossTables[2].stats[1] = {1, 3, 1, 0, 0, 1, 0};
    return league;
}

QStringList shownOrder(frmtable *window) {
    return column(grid(window, "MSF"), 1);
}

void clickResults(frmtable *window, int row, int column) {
    grid(window, "MSF")->setCurrentCell(row, column);
    window->MSF_Click();
}

} // namespace

class TestMainWindowResults : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void resultsTableRanksBothHalves();
    void headerClickOrdersByTheColumn_data();
    void headerClickOrdersByTheColumn();
    void pointsHeaderRestoresTheRanking();
    void otherClicksKeepTheOrder_data();
    void otherClicksKeepTheOrder();
    void realHeaderClickReorders();
    void emptyTableRanksInTeamOrder();
    void clearingAskedNoKeepsEverything();
    void clearingEmptiesBothHalves();
    void renamingAskedNoKeepsEverything();
    void renamingAsksForEveryTeam();
    void renamingRefusesNamesTheFileCannotKeep();
    void newNamesReachTheResultsOnlyWhenRebuilt();
};

void TestMainWindowResults::resultsTableRanksBothHalves() {
    Sandbox sandbox;
    auto league = rankedLeague();
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    QTest::mouseClick(control<QToolButton>(window, "cmdtable"), Qt::LeftButton);

    TableGrid *results = grid(window, "MSF");
    QCOMPARE(shownOrder(window), QStringList({"ВЕГА", "АЛЬФА", "ГРАНИТ", "БЕТА"}));
    QCOMPARE(textsUnder(results, 2, {"№", "Команды", "И", "П", "Н", "В", "Мя", "чи", "О"}),
             QStringList({"2", "АЛЬФА", "4", "1", "0", "3", "6", "4", "9"}));
    QCOMPARE(results->currentRow(), 4);
    QCOMPARE(results->currentColumn(), statisticColumn(results, soccer::Counter::Points));
    QVERIFY(results->isVisible());
    QVERIFY(!grid(window, "MS")->isVisible() && !grid(window, "ms1")->isVisible());
    // The names themselves stay as typed.
    QCOMPARE(window->league().teamNames[1], QStringLiteral("Альфа"));
    QCOMPARE(grid(window, "MS")->text(1, 1), QStringLiteral("Альфа"));
}

void TestMainWindowResults::headerClickOrdersByTheColumn_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("И") << "И" << QStringList({"АЛЬФА", "БЕТА", "ВЕГА", "ГРАНИТ"});
    QTest::newRow("П") << "П" << QStringList({"БЕТА", "ГРАНИТ", "АЛЬФА", "ВЕГА"});
    QTest::newRow("Н") << "Н" << QStringList({"АЛЬФА", "БЕТА", "ВЕГА", "ГРАНИТ"});
    QTest::newRow("В") << "В" << QStringList({"АЛЬФА", "ВЕГА", "БЕТА", "ГРАНИТ"});
    QTest::newRow("Мя") << "Мя" << QStringList({"ВЕГА", "АЛЬФА", "ГРАНИТ", "БЕТА"});
    QTest::newRow("чи") << "чи" << QStringList({"БЕТА", "ГРАНИТ", "АЛЬФА", "ВЕГА"});
    QTest::newRow("О") << "О" << QStringList({"ВЕГА", "АЛЬФА", "ГРАНИТ", "БЕТА"});
}

void TestMainWindowResults::headerClickOrdersByTheColumn() {
    QFETCH(QString, header);
    QFETCH(QStringList, order);
    Sandbox sandbox;
    auto league = rankedLeague();
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->protable();
    const int column = columnHeaded(grid(window, "MSF"), header);
    QVERIFY(column >= 0);
    clickResults(window, 0, column);
    QCOMPARE(shownOrder(window), order);
    clickResults(window, 0, column);
    QCOMPARE(shownOrder(window), order);
    // Positions stay where they are; only the teams beside them move.
    QCOMPARE(::column(grid(window, "MSF"), 0), QStringList({"1", "2", "3", "4"}));
    // The cross-tables head the same statistic alike.
    QVERIFY(columnHeaded(grid(window, "MS"), header) >= 0);
}

void TestMainWindowResults::pointsHeaderRestoresTheRanking() {
    Sandbox sandbox;
    auto league = rankedLeague();
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->protable();
    const QStringList ranked = shownOrder(window);
    TableGrid *results = grid(window, "MSF");
    clickResults(window, 0, statisticColumn(results, soccer::Counter::Wins));
    QVERIFY(shownOrder(window) != ranked);
    clickResults(window, 0, statisticColumn(results, soccer::Counter::Points));
    QCOMPARE(shownOrder(window), ranked);
}

void TestMainWindowResults::otherClicksKeepTheOrder_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("Команды") << 0 << 1;
    QTest::newRow("№") << 0 << 0;
    QTest::newRow("team row") << 2 << 3;
    QTest::newRow("name") << 4 << 1;
}

void TestMainWindowResults::otherClicksKeepTheOrder() {
    QFETCH(int, row);
    QFETCH(int, column);
    Sandbox sandbox;
    auto league = rankedLeague();
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->protable();
    TableGrid *results = grid(window, "MSF");
    clickResults(window, 0, statisticColumn(results, soccer::Counter::Losses));
    const QStringList ordered = shownOrder(window);
    clickResults(window, row, column);
    QCOMPARE(shownOrder(window), ordered);
    QCOMPARE(results->text(1, statisticColumn(results, soccer::Counter::Played)),
             QStringLiteral("3"));
    QCOMPARE(results->currentRow(), 4);
    QCOMPARE(results->currentColumn(), statisticColumn(results, soccer::Counter::Points));
    QVERIFY(sandbox.prompter.asked().isEmpty());
}

void TestMainWindowResults::realHeaderClickReorders() {
    Sandbox sandbox;
    auto league = rankedLeague();
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->protable();
    TableGrid *results = grid(window, "MSF");
    const QRect header = results->visualRect(
        results->model()->index(0, statisticColumn(results, soccer::Counter::Losses)));
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, header.center());
    QCOMPARE(shownOrder(window), QStringList({"БЕТА", "ГРАНИТ", "АЛЬФА", "ВЕГА"}));
}

void TestMainWindowResults::emptyTableRanksInTeamOrder() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 5));
    window->protable();
    QCOMPARE(shownOrder(window), QStringList({"1", "2", "3", "4", "5"}));
    TableGrid *results = grid(window, "MSF");
    for (const soccer::StatisticColumn &statistic : soccer::kResultsGridColumns)
        QCOMPARE(::column(results, statisticColumn(results, statistic.counter)),
                 QStringList(5, QStringLiteral("0")));
}

void TestMainWindowResults::clearingAskedNoKeepsEverything() {
    Sandbox sandbox;
    auto league = rankedLeague();
    league->crossTables[1].cells[1][2] = QStringLiteral(" 1: 0");
    league->crossTables[1].cells[2][1] = QStringLiteral(" 0: 1");
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    sandbox.prompter.queueAnswer(platform::Answer::No);
    QTest::mouseClick(control<QToolButton>(window, "cmdclear"), Qt::LeftButton);
    QCOMPARE(sandbox.prompter.askedTexts(), QStringList({"Вы хотите очистить всю таблицу?"}));
    QCOMPARE(sandbox.prompter.asked()[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral("1: 0"));
    QCOMPARE(grid(window, "MS")->text(1, 3), QStringLiteral("1: 0"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 3).last(), QStringLiteral("9"));
    QVERIFY(!grid(window, "ms1")->isVisible());
}

void TestMainWindowResults::clearingEmptiesBothHalves() {
    Sandbox sandbox;
    auto league = rankedLeague();
    soccer::enterScore(league->crossTables[1], 1, 2, QStringLiteral("1 0"));
    soccer::enterScore(league->crossTables[2], 3, 4, QStringLiteral("2 2"));
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->prochess1();
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    control<QAction>(window, "mnuclear")->trigger();

    QCOMPARE(sandbox.prompter.askedTexts(), QStringList({"Вы хотите очистить всю таблицу?", "ОК"}));
    QCOMPARE(sandbox.prompter.asked()[1].buttons, platform::Buttons::Ok);
    QCOMPARE(sandbox.prompter.asked()[1].title, QStringLiteral("Тарвел"));
    const soccer::League &cleared = window->league();
    QCOMPARE(cleared.teamCount, 4);
    for (int k = 1; k <= 2; ++k)
        for (int r = 1; r <= 4; ++r) {
            QCOMPARE(cleared.crossTables[k].stats[r], soccer::TeamStats());
            for (int c = 1; c <= 4; ++c)
                QVERIFY(cleared.crossTables[k].cells[r][c].isEmpty());
        }
    for (const char *name : {"MS", "ms1"}) {
        TableGrid *cross = grid(window, name);
        QVERIFY(cross->isVisible());
        for (int team = 1; team <= 4; ++team) {
            QCOMPARE(statisticsRow(cross, team), QStringList(7, QStringLiteral("0")));
            for (int column = 2; column <= 5; ++column)
                QVERIFY(cross->text(team, column).isEmpty());
        }
        QCOMPARE(column(cross, 1), QStringList({"Альфа", "Бета", "Вега", "Гранит"}));
        QCOMPARE(cross->text(0, 2), QStringLiteral("1"));
    }
    QVERIFY(window->isVisible());
    // The commands keep the state of the view that was shown.
    QVERIFY(!control<QAction>(window, "mnuchess1")->isEnabled());

    window->protable();
    QCOMPARE(shownOrder(window), QStringList({"АЛЬФА", "БЕТА", "ВЕГА", "ГРАНИТ"}));

    // A result entered after clearing is all the results table counts.
    window->prochess1();
    sandbox.prompter.queueInput(QStringLiteral("2 1"));
    grid(window, "ms1")->setCurrentCell(4, 2);
    window->ms1_Click();
    window->protable();
    QCOMPARE(shownOrder(window).first(), QStringLiteral("ГРАНИТ"));
    QCOMPARE(textsUnder(grid(window, "MSF"), 1, {"И", "П", "Н", "В", "Мя", "чи", "О"}),
             QStringList({"1", "0", "0", "1", "2", "1", "3"}));
}

void TestMainWindowResults::renamingAskedNoKeepsEverything() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    sandbox.prompter.queueAnswer(platform::Answer::No);
    QTest::mouseClick(control<QToolButton>(window, "cmdrename"), Qt::LeftButton);
    QCOMPARE(sandbox.prompter.askedTexts(), QStringList({"Вы хотите переименовать команды?"}));
    QCOMPARE(column(grid(window, "MS"), 1), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(window->league().teamNames[1], QStringLiteral("1"));
}

void TestMainWindowResults::renamingAsksForEveryTeam() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QStringList ms1WhileAsking;
    sandbox.prompter.onInput = [&] { ms1WhileAsking << column(grid(window, "ms1"), 1).join('|'); };
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("Альфа"));
    sandbox.prompter.queueDismissedInput();
    sandbox.prompter.queueInput(QStringLiteral("вега"));
    sandbox.prompter.queueInput(QStringLiteral("Альфа"));
    window->prorename();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 5);
    for (int team = 1; team <= 4; ++team) {
        QCOMPARE(asked[team].text, QStringLiteral("Введите имя  %1 команды").arg(team));
        QCOMPARE(asked[team].defaultAnswer, QString::number(team));
        QCOMPARE(asked[team].title, QStringLiteral("Тарвел"));
    }
    // The dismissed prompt of team 2 keeps its name, and the sequence goes on.
    const QStringList names = {"Альфа", "2", "вега", "Альфа"};
    QCOMPARE(column(grid(window, "MS"), 1), names);
    QCOMPARE(column(grid(window, "ms1"), 1), names);
    QCOMPARE(window->league().teamNames[3], QStringLiteral("вега"));
    QCOMPARE(window->league().teamNames[2], QStringLiteral("2"));
    QCOMPARE(ms1WhileAsking, QStringList(4, QStringLiteral("1|2|3|4")));
    QCOMPARE(grid(window, "MS")->currentColumn(), 1);
}

void TestMainWindowResults::renamingRefusesNamesTheFileCannotKeep() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 2));
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("\"Динамо\""));
    sandbox.prompter.queueInput(QStringLiteral("Динамо"));
    sandbox.prompter.queueInput(QStringLiteral("Торпедо"));
    window->prorename();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 5);
    QCOMPARE(asked[2].kind, platform::ScriptedPrompter::Kind::Message);
    QCOMPARE(asked[2].text,
             soccer::tableTextProblemMessage(soccer::tableTextProblem("\"Динамо\"")));
    QVERIFY(!asked[2].text.isEmpty());
    QCOMPARE(asked[3].text, QStringLiteral("Введите имя  1 команды"));
    QCOMPARE(asked[4].text, QStringLiteral("Введите имя  2 команды"));
    QCOMPARE(column(grid(window, "ms1"), 1), QStringList({"Динамо", "Торпедо"}));
}

void TestMainWindowResults::newNamesReachTheResultsOnlyWhenRebuilt() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 2));
    window->protable();
    window->prochess();
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("спартак"));
    sandbox.prompter.queueInput(QStringLiteral("2"));
    window->prorename();
    QCOMPARE(shownOrder(window), QStringList({"1", "2"}));
    QCOMPARE(grid(window, "MS")->text(1, 1), QStringLiteral("спартак"));
    window->protable();
    QCOMPARE(shownOrder(window), QStringList({"СПАРТАК", "2"}));
    QCOMPARE(window->league().teamNames[1], QStringLiteral("спартак"));
}

QTEST_MAIN(TestMainWindowResults)
#include "tst_ui_frmtable_results.moc"
