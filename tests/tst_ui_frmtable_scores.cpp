// Clicks on the cross-table grids: recording, changing and deleting scores, renaming one team,
// and the hover caption that names the match under the pointer.
#include "tst_kit_mainwindow.h"

using namespace testkit;

namespace {

const QStringList kNoResult = {"0", "0", "0", "0", "0", "0", "0"};

// Makes a cell current and runs the grid's click handler, as a click does.
void clickCell(frmtable *window, const char *gridName, int row, int column) {
    grid(window, gridName)->setCurrentCell(row, column);
    if (QByteArray(gridName) == "MS")
        window->MS_Click();
    else
        window->ms1_Click();
}

// Records an answer to the score prompt of one cell.
void typeScore(Sandbox &sandbox, frmtable *window, const char *gridName, int row, int column,
               const QString &answer) {
    sandbox.prompter.queueInput(answer);
    clickCell(window, gridName, row, column);
}

} // namespace

class TestMainWindowScores : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void scoreIsWrittenToBothCellsAndCounted();
    void realClickOpensTheScorePrompt();
    void mirrorCellReplacesTheResult();
    void answersAreReadAsTyped_data();
    void answersAreReadAsTyped();
    void emptyAnswerDeletesTheResult();
    void dismissedPromptChangesNothing_data();
    void dismissedPromptChangesNothing();
    void answerWithoutBlankKeepsTheResult();
    void loadedResultIsTakenBack();
    void cellsOutsideTheScoresDoNothing_data();
    void cellsOutsideTheScoresDoNothing();
    void halvesAreIndependent();
    void clickOnANameOffersToRename();
    void renameRefusesNamesTheFileCannotKeep();
    void hoverNamesTheMatch_data();
    void hoverNamesTheMatch();
    void hoverOverCrossTable2ShowsItsOwnResult();
    void realPointerMoveUpdatesTheCaption();
};

void TestMainWindowScores::scoreIsWrittenToBothCellsAndCounted() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 6));
    typeScore(sandbox, window, "MS", 3, 6, QStringLiteral("2 1"));

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].kind, platform::ScriptedPrompter::Kind::Input);
    QCOMPARE(asked[0].text, QStringLiteral("Введите счет между:  3  5"));
    QCOMPARE(asked[0].title, QStringLiteral("Тарвел"));
    QCOMPARE(asked[0].defaultAnswer, QStringLiteral("0 0"));

    const soccer::CrossTable &table = window->league().crossTables[1];
    QCOMPARE(table.cells[3][5], QStringLiteral(" 2: 1"));
    QCOMPARE(table.cells[5][3], QStringLiteral(" 1: 2"));
    TableGrid *ms = grid(window, "MS");
    QCOMPARE(ms->text(3, 6), QStringLiteral(" 2: 1"));
    QCOMPARE(ms->text(5, 4), QStringLiteral(" 1: 2"));
    QCOMPARE(statisticsRow(ms, 3), QStringList({"1", "0", "0", "1", "2", "1", "3"}));
    QCOMPARE(statisticsRow(ms, 5), QStringList({"1", "1", "0", "0", "1", "2", "0"}));
    QCOMPARE(statisticsRow(ms, 1), kNoResult);
    QVERIFY(ms->isVisible());

    // The default answer on a pair that already has a result is still "0 0".
    typeScore(sandbox, window, "MS", 3, 6, QStringLiteral("2 1"));
    QCOMPARE(sandbox.prompter.asked().last().defaultAnswer, QStringLiteral("0 0"));
    QCOMPARE(statisticsRow(ms, 3), QStringList({"1", "0", "0", "1", "2", "1", "3"}));
}

void TestMainWindowScores::realClickOpensTheScorePrompt() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 6));
    TableGrid *ms = grid(window, "MS");
    sandbox.prompter.queueInput(QStringLiteral("4 4"));
    const QRect cell = ms->visualRect(ms->model()->index(2, 5));
    QTest::mouseClick(ms->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(ms->currentRow(), 2);
    QCOMPARE(ms->currentColumn(), 5);
    QCOMPARE(sandbox.prompter.askedTexts(), QStringList({"Введите счет между:  2  4"}));
    QCOMPARE(window->league().crossTables[1].cells[2][4], QStringLiteral(" 4: 4"));
}

void TestMainWindowScores::mirrorCellReplacesTheResult() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 6));
    typeScore(sandbox, window, "MS", 3, 6, QStringLiteral("2 1"));
    typeScore(sandbox, window, "MS", 5, 4, QStringLiteral("0 3"));

    const soccer::CrossTable &table = window->league().crossTables[1];
    QCOMPARE(table.cells[5][3], QStringLiteral(" 0: 3"));
    QCOMPARE(table.cells[3][5], QStringLiteral(" 3: 0"));
    TableGrid *ms = grid(window, "MS");
    QCOMPARE(ms->text(3, 6), QStringLiteral(" 3: 0"));
    QCOMPARE(ms->text(5, 4), QStringLiteral(" 0: 3"));
    QCOMPARE(statisticsRow(ms, 3), QStringList({"1", "0", "0", "1", "3", "0", "3"}));
    QCOMPARE(statisticsRow(ms, 5), QStringList({"1", "1", "0", "0", "0", "3", "0"}));
}

void TestMainWindowScores::answersAreReadAsTyped_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("rowTeam");
    //                                                   И    П    Н    В    Мя    чи    О
    QTest::newRow("default draw") << "0 0"
                                  << " 0: 0" << QStringList({"1", "0", "1", "0", "0", "0", "1"});
    QTest::newRow("leading blank") << " 2 1"
                                   << " 0: 21" << QStringList({"1", "1", "0", "0", "0", "21", "0"});
    QTest::newRow("single blank") << " "
                                  << " 0: 0" << QStringList({"1", "0", "1", "0", "0", "0", "1"});
    QTest::newRow("three numbers") << "3 1 0"
                                   << " 3: 10" << QStringList({"1", "1", "0", "0", "3", "10", "0"});
    QTest::newRow("letters") << "a b"
                             << " 0: 0" << QStringList({"1", "0", "1", "0", "0", "0", "1"});
    QTest::newRow("fraction") << "1.5 2"
                              << " 1.5: 2" << QStringList({"1", "1", "0", "0", "1.5", "2", "0"});
    QTest::newRow("negative") << "-1 2"
                              << "-1: 2" << QStringList({"1", "1", "0", "0", "-1", "2", "0"});
    QTest::newRow("no blank") << "2:1"
                              << "" << kNoResult;
}

void TestMainWindowScores::answersAreReadAsTyped() {
    QFETCH(QString, answer);
    QFETCH(QString, cell);
    QFETCH(QStringList, rowTeam);
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    typeScore(sandbox, window, "MS", 1, 3, answer);
    QCOMPARE(window->league().crossTables[1].cells[1][2], cell);
    QCOMPARE(grid(window, "MS")->text(1, 3), cell);
    QCOMPARE(statisticsRow(grid(window, "MS"), 1), rowTeam);
}

// An empty answer confirmed with OK is how the user deletes a result.
void TestMainWindowScores::emptyAnswerDeletesTheResult() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    typeScore(sandbox, window, "MS", 2, 5, QStringLiteral("3 3"));
    typeScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    sandbox.prompter.queueInput(QString());
    clickCell(window, "MS", 4, 3);

    const soccer::CrossTable &table = window->league().crossTables[1];
    QVERIFY(table.cells[2][4].isEmpty() && table.cells[4][2].isEmpty());
    TableGrid *ms = grid(window, "MS");
    QVERIFY(ms->text(2, 5).isEmpty() && ms->text(4, 3).isEmpty());
    QCOMPARE(statisticsRow(ms, 2), QStringList({"1", "1", "0", "0", "0", "1", "0"}));
    QCOMPARE(statisticsRow(ms, 4), kNoResult);

    // On a pair without a result the empty answer changes nothing.
    sandbox.prompter.queueInput(QString());
    clickCell(window, "MS", 4, 3);
    QCOMPARE(statisticsRow(ms, 4), kNoResult);
    QVERIFY(ms->text(4, 3).isEmpty());
}

void TestMainWindowScores::dismissedPromptChangesNothing_data() {
    QTest::addColumn<QString>("gridName");
    QTest::newRow("cross-table 1") << "MS";
    QTest::newRow("cross-table 2") << "ms1";
}

// Escape, Отмена or closing the score prompt leaves a recorded result and a free pair alike.
void TestMainWindowScores::dismissedPromptChangesNothing() {
    QFETCH(QString, gridName);
    const QByteArray name = gridName.toLatin1();
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    if (gridName == "ms1")
        window->prochess1();
    const int half = gridName == "MS" ? 1 : 2;
    typeScore(sandbox, window, name.constData(), 2, 5, QStringLiteral("3 1"));
    const auto statsBefore = window->league().crossTables[half].stats;
    TableGrid *shown = grid(window, name.constData());
    const QStringList statistics2 = statisticsRow(shown, 2);
    const QStringList statistics4 = statisticsRow(shown, 4);

    for (auto [row, column] : {std::pair{2, 5}, std::pair{4, 3}, std::pair{1, 3}}) {
        sandbox.prompter.queueDismissedInput();
        clickCell(window, name.constData(), row, column);
        QCOMPARE(sandbox.prompter.asked().last().kind, platform::ScriptedPrompter::Kind::Input);
    }
    const soccer::CrossTable &after = window->league().crossTables[half];
    QCOMPARE(after.cells[2][4], QStringLiteral(" 3: 1"));
    QCOMPARE(after.cells[4][2], QStringLiteral(" 1: 3"));
    QVERIFY(after.cells[1][2].isEmpty());
    for (int team = 1; team <= 4; ++team)
        QCOMPARE(after.stats[team], statsBefore[team]);
    QCOMPARE(shown->text(2, 5), QStringLiteral(" 3: 1"));
    QCOMPARE(shown->text(4, 3), QStringLiteral(" 1: 3"));
    QCOMPARE(statisticsRow(shown, 2), statistics2);
    QCOMPARE(statisticsRow(shown, 4), statistics4);
    QVERIFY(sandbox.prompter.allAnswersUsed());
}

void TestMainWindowScores::answerWithoutBlankKeepsTheResult() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    typeScore(sandbox, window, "MS", 2, 4, QStringLiteral("2 0"));
    typeScore(sandbox, window, "MS", 2, 4, QStringLiteral("5:5"));
    QCOMPARE(window->league().crossTables[1].cells[2][3], QStringLiteral(" 2: 0"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 2),
             QStringList({"1", "0", "0", "1", "2", "0", "3"}));
    QCOMPARE(sandbox.prompter.asked().size(), 2);
}

void TestMainWindowScores::loadedResultIsTakenBack() {
    Sandbox sandbox;
    auto league = namedLeague({"1", "2", "3", "4"});
    soccer::enterScore(league->crossTables[1], 1, 2, QStringLiteral("2 1"));
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral("2: 1"));
    typeScore(sandbox, window, "MS", 2, 2, QString());
    QCOMPARE(statisticsRow(grid(window, "MS"), 1), kNoResult);
    QCOMPARE(statisticsRow(grid(window, "MS"), 2), kNoResult);
    QVERIFY(grid(window, "MS")->text(1, 3).isEmpty());
}

void TestMainWindowScores::cellsOutsideTheScoresDoNothing_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("header row") << 0 << 3;
    QTest::newRow("name header") << 0 << 1;
    QTest::newRow("number column") << 2 << 0;
    QTest::newRow("diagonal") << 2 << 3;
    QTest::newRow("played") << 2 << 6;
    QTest::newRow("points") << 2 << 12;
}

void TestMainWindowScores::cellsOutsideTheScoresDoNothing() {
    QFETCH(int, row);
    QFETCH(int, column);
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    typeScore(sandbox, window, "MS", 2, 4, QStringLiteral("1 1"));
    sandbox.prompter.clear();
    const QString shown = grid(window, "MS")->text(row, column);
    clickCell(window, "MS", row, column);
    QVERIFY(sandbox.prompter.asked().isEmpty());
    QCOMPARE(window->league().crossTables[1].cells[2][3], QStringLiteral(" 1: 1"));
    QCOMPARE(grid(window, "MS")->text(row, column), shown);
    QCOMPARE(statisticsRow(grid(window, "MS"), 2),
             QStringList({"1", "0", "1", "0", "1", "1", "1"}));
}

void TestMainWindowScores::halvesAreIndependent() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    typeScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    window->prochess1();
    typeScore(sandbox, window, "ms1", 1, 3, QStringLiteral("0 2"));

    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 1: 0"));
    QCOMPARE(window->league().crossTables[2].cells[1][2], QStringLiteral(" 0: 2"));
    QCOMPARE(grid(window, "MS")->text(1, 3), QStringLiteral(" 1: 0"));
    QCOMPARE(grid(window, "ms1")->text(1, 3), QStringLiteral(" 0: 2"));
    QCOMPARE(grid(window, "ms1")->text(2, 2), QStringLiteral(" 2: 0"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 1),
             QStringList({"1", "0", "0", "1", "1", "0", "3"}));
    QCOMPARE(statisticsRow(grid(window, "ms1"), 1),
             QStringList({"1", "1", "0", "0", "0", "2", "0"}));
    QVERIFY(grid(window, "ms1")->isVisible());
    QVERIFY(!grid(window, "MS")->isVisible());
}

void TestMainWindowScores::clickOnANameOffersToRename() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    sandbox.prompter.queueAnswer(platform::Answer::No);
    clickCell(window, "MS", 4, 1);
    QCOMPARE(sandbox.prompter.asked().size(), 1);
    QCOMPARE(sandbox.prompter.asked()[0].text, QStringLiteral("Вы хотите переименовать 4"));
    QCOMPARE(sandbox.prompter.asked()[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(window->league().teamNames[4], QStringLiteral("4"));

    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("Спартак"));
    clickCell(window, "ms1", 4, 1);
    const auto &rename = sandbox.prompter.asked().last();
    QCOMPARE(rename.text, QStringLiteral("Введите новое имя команды 4"));
    QCOMPARE(rename.defaultAnswer, QStringLiteral("4"));
    QCOMPARE(rename.title, QStringLiteral("Тарвел"));
    QCOMPARE(window->league().teamNames[4], QStringLiteral("Спартак"));
    QCOMPARE(grid(window, "MS")->text(4, 1), QStringLiteral("Спартак"));
    QCOMPARE(grid(window, "ms1")->text(4, 1), QStringLiteral("Спартак"));

    // A dismissed rename prompt keeps the name.
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueDismissedInput();
    clickCell(window, "MS", 4, 1);
    QCOMPARE(window->league().teamNames[4], QStringLiteral("Спартак"));
    QCOMPARE(grid(window, "MS")->text(4, 1), QStringLiteral("Спартак"));
    QCOMPARE(grid(window, "ms1")->text(4, 1), QStringLiteral("Спартак"));
    QVERIFY(sandbox.prompter.allAnswersUsed());
}

void TestMainWindowScores::renameRefusesNamesTheFileCannotKeep() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("Спартак, Москва"));
    sandbox.prompter.queueInput(QStringLiteral("Спартак Москва"));
    clickCell(window, "MS", 2, 1);

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 4);
    QCOMPARE(asked[2].text,
             soccer::tableTextProblemMessage(soccer::tableTextProblem("Спартак, Москва")));
    QVERIFY(!asked[2].text.isEmpty());
    QCOMPARE(asked[2].title, QStringLiteral("Тарвел"));
    QCOMPARE(asked[3].text, QStringLiteral("Введите новое имя команды 2"));
    QCOMPARE(asked[3].defaultAnswer, QStringLiteral("Спартак, Москва"));
    QCOMPARE(window->league().teamNames[2], QStringLiteral("Спартак Москва"));
    QCOMPARE(grid(window, "ms1")->text(2, 1), QStringLiteral("Спартак Москва"));

    // A name the code page lacks is offered again in its nearest storable spelling.
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("CD Leganés"));
    sandbox.prompter.queueInput(QStringLiteral("CD Leganes"));
    clickCell(window, "MS", 2, 1);
    QCOMPARE(sandbox.prompter.asked().size(), 4);
    QCOMPARE(sandbox.prompter.asked()[2].icon, platform::Icon::Critical);
    QCOMPARE(sandbox.prompter.asked()[3].defaultAnswer, QStringLiteral("CD Leganes"));
    QCOMPARE(window->league().teamNames[2], QStringLiteral("CD Leganes"));
}

void TestMainWindowScores::hoverNamesTheMatch_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("caption");
    QTest::newRow("team 2 against team 1") << 2300 << 600 << "Бета  0: 3 Альфа";
    QTest::newRow("pair without result") << 3500 << 300 << "Альфа  Гамма";
    QTest::newRow("border of diagonal") << 2600 << 480 << "Альфа  3: 0 Бета";
    QTest::newRow("left border of a row") << 2000 << 720 << "Бета  0: 3 Альфа";
    QTest::newRow("border below a diagonal") << 3300 << 960 << "Дельта  Гамма";
    QTest::newRow("diagonal") << 2300 << 300 << "";
    QTest::newRow("number column") << 100 << 600 << "";
    QTest::newRow("name column") << 1500 << 600 << "";
    QTest::newRow("header row") << 2300 << 100 << "";
    QTest::newRow("statistics") << 2000 + 4 * 600 + 100 << 600 << "";
    QTest::newRow("below the last row") << 2300 << 1300 << "";
}

void TestMainWindowScores::hoverNamesTheMatch() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, caption);
    Sandbox sandbox;
    auto league = namedLeague({"Альфа", "Бета", "Гамма", "Дельта"});
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    typeScore(sandbox, window, "MS", 2, 2, QStringLiteral("0 3"));
    control<QLabel>(window, "okno")->setText(QStringLiteral("before"));
    window->MS_MouseMove(0, 0, x, y);
    QCOMPARE(oknoText(window), caption);
}

void TestMainWindowScores::hoverOverCrossTable2ShowsItsOwnResult() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    typeScore(sandbox, window, "MS", 2, 2, QStringLiteral("0 3"));
    window->prochess1();
    typeScore(sandbox, window, "ms1", 2, 2, QStringLiteral("5 5"));
    window->ms1_MouseMove(0, 0, 2300, 600);
    QCOMPARE(oknoText(window), QStringLiteral("2  5: 5 1"));
    window->MS_MouseMove(0, 0, 2300, 600);
    QCOMPARE(oknoText(window), QStringLiteral("2  0: 3 1"));
}

void TestMainWindowScores::realPointerMoveUpdatesTheCaption() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    TableGrid *ms = grid(window, "MS");
    const QPoint onGrid(platform::twipsToPixelsX(2300), platform::twipsToPixelsY(600));
    QTest::mouseMove(ms->viewport(), ms->viewport()->mapFrom(ms, onGrid));
    QTRY_COMPARE(oknoText(window), QStringLiteral("2  1"));
    const QPoint onNames(platform::twipsToPixelsX(1000), platform::twipsToPixelsY(600));
    QTest::mouseMove(ms->viewport(), ms->viewport()->mapFrom(ms, onNames));
    QTRY_COMPARE(oknoText(window), QString());
}

QTEST_MAIN(TestMainWindowScores)
#include "tst_ui_frmtable_scores.moc"
