// The Правка menu: its place and keys, the items naming the step, and undo and redo shown in
// whichever grid is on screen, for a score, a clearing and an import; Open starts afresh.
#include "tst_kit_mainwindow.h"
#include "ui/dialogs/frmimport.h"
#include "ui/main/crosstablemodel.h"

#include <QMenu>
#include <QMenuBar>

using namespace testkit;

namespace {

const QStringList kTeams = {"Спартак", "Динамо", "Зенит", "Торпедо"};

QAction *undoItem(frmtable *window) {
    return control<QAction>(window, "mnuundo");
}
QAction *redoItem(frmtable *window) {
    return control<QAction>(window, "mnuredo");
}

// Opens a table of kTeams, active so that the shortcuts reach it.
frmtable *openActive(Sandbox &sandbox, const QString &path) {
    frmtable *window = sandbox.open(path);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the window did not become active");
    return window;
}

void typeScore(Sandbox &sandbox, frmtable *window, const char *gridName, int row, int opponent,
               const QString &answer) {
    sandbox.prompter.queueInput(answer);
    grid(window, gridName)->setCurrentCell(row, CrossTableModel::scoreColumn(opponent));
    if (QByteArray(gridName) == "MS")
        window->MS_Click();
    else
        window->ms1_Click();
}

// Every text of a grid, row by row.
QStringList texts(TableGrid *shown) {
    QStringList all;
    for (int row = 0; row < shown->rowCount(); ++row)
        for (int column = 0; column < shown->columnCount(); ++column)
            all << shown->text(row, column);
    return all;
}

void showView(frmtable *window, const QString &view) {
    if (view == "MS")
        window->prochess();
    else if (view == "ms1")
        window->prochess1();
    else
        window->protable();
}

void press(frmtable *window, QKeyCombination keys) {
    QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
}

} // namespace

class TestMainWindowUndo : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void editMenuStandsBetweenMenuAndHelp();
    void scoreIsUndoneAndRedoneByTheKeys();
    void stepNamesKeepAnAmpersand();
    void shownGridFollowsUndoAndRedo_data();
    void shownGridFollowsUndoAndRedo();
    void clearingIsUndoneInOneStep();
    void openStartsAnEmptyStack();
    void importOfANewTableIsUndoneInOneStep();
};

void TestMainWindowUndo::editMenuStandsBetweenMenuAndHelp() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague(kTeams)));
    QStringList titles;
    for (QAction *menu : window->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"&Меню", "&Правка", "Сп&равка"}));
    QCOMPARE(control<QMenu>(window, "mnuedit")->actions(),
             QList<QAction *>({undoItem(window), redoItem(window)}));
    QCOMPARE(undoItem(window)->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Z")}));
    QCOMPARE(redoItem(window)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить"));
    QCOMPARE(redoItem(window)->text(), QStringLiteral("&Повторить"));
    QVERIFY(!undoItem(window)->isEnabled());
    QVERIFY(!redoItem(window)->isEnabled());
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("cmdundo")));
}

void TestMainWindowUndo::scoreIsUndoneAndRedoneByTheKeys() {
    Sandbox sandbox;
    frmtable *window = openActive(sandbox, sandbox.table("t.TFL", *namedLeague(kTeams)));
    TableGrid *ms = grid(window, "MS");
    const QStringList before = texts(ms);
    typeScore(sandbox, window, "MS", 1, 2, QStringLiteral("2 1"));
    const QStringList after = texts(ms);
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить ввод счёта Спартак – Динамо"));
    QVERIFY(undoItem(window)->isEnabled());

    press(window, Qt::ControlModifier | Qt::Key_Z);
    QCOMPARE(texts(ms), before);
    QVERIFY(window->league().crossTables[1].cells[2][1].isEmpty());
    QVERIFY(!undoItem(window)->isEnabled());
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить"));
    QCOMPARE(redoItem(window)->text(), QStringLiteral("&Повторить ввод счёта Спартак – Динамо"));

    press(window, Qt::ControlModifier | Qt::Key_Y);
    QCOMPARE(texts(ms), after);
    QCOMPARE(ms->text(1, 3), QStringLiteral(" 2: 1"));
    press(window, Qt::ControlModifier | Qt::Key_Z);
    QCOMPARE(texts(ms), before);
    press(window, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
    QCOMPARE(texts(ms), after);
    QVERIFY(!redoItem(window)->isEnabled());

    typeScore(sandbox, window, "MS", 2, 1, QStringLiteral("0 0"));
    QCOMPARE(undoItem(window)->text(),
             QStringLiteral("&Отменить изменение счёта Динамо – Спартак"));
    typeScore(sandbox, window, "MS", 2, 1, QString());
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить удаление счёта Динамо – Спартак"));
}

// An ampersand in a name is shown as one, not taken for the item's mnemonic.
void TestMainWindowUndo::stepNamesKeepAnAmpersand() {
    Sandbox sandbox;
    const QStringList teams = {"Брайтон & Хоув", "Динамо", "Зенит", "Торпедо"};
    frmtable *window = openActive(sandbox, sandbox.table("t.TFL", *namedLeague(teams)));
    typeScore(sandbox, window, "MS", 1, 2, QStringLiteral("1 1"));
    QCOMPARE(undoItem(window)->text(),
             QStringLiteral("&Отменить ввод счёта Брайтон && Хоув – Динамо"));
    press(window, Qt::ControlModifier | Qt::Key_Z);
    QCOMPARE(redoItem(window)->text(),
             QStringLiteral("&Повторить ввод счёта Брайтон && Хоув – Динамо"));
}

void TestMainWindowUndo::shownGridFollowsUndoAndRedo_data() {
    QTest::addColumn<QString>("view");
    QTest::newRow("cross-table 1") << "MS";
    QTest::newRow("cross-table 2") << "ms1";
    QTest::newRow("results") << "MSF";
}

// Results in both halves, then the view shown and both steps undone and redone by the menu.
void TestMainWindowUndo::shownGridFollowsUndoAndRedo() {
    QFETCH(QString, view);
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague(kTeams)));
    TableGrid *shown = grid(window, qPrintable(view));
    showView(window, view);
    const QStringList before = texts(shown);
    typeScore(sandbox, window, "MS", 3, 4, QStringLiteral("3 0"));
    typeScore(sandbox, window, "ms1", 4, 3, QStringLiteral("1 2"));
    showView(window, view);
    const QStringList after = texts(shown);
    QVERIFY(after != before);

    undoItem(window)->trigger();
    undoItem(window)->trigger();
    QVERIFY(shown->isVisible());
    QCOMPARE(texts(shown), before);
    redoItem(window)->trigger();
    redoItem(window)->trigger();
    QCOMPARE(texts(shown), after);
}

void TestMainWindowUndo::clearingIsUndoneInOneStep() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague(kTeams)));
    typeScore(sandbox, window, "MS", 1, 2, QStringLiteral("2 1"));
    typeScore(sandbox, window, "ms1", 2, 1, QStringLiteral("1 1"));
    const QStringList first = texts(grid(window, "MS"));
    const QStringList second = texts(grid(window, "ms1"));
    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    sandbox.prompter.queueAnswer(platform::Answer::Ok);
    window->proclear();
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить очистку таблицы"));
    QVERIFY(texts(grid(window, "MS")) != first);

    undoItem(window)->trigger();
    QCOMPARE(texts(grid(window, "MS")), first);
    QCOMPARE(texts(grid(window, "ms1")), second);
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить ввод счёта Динамо – Спартак"));
}

void TestMainWindowUndo::openStartsAnEmptyStack() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague(kTeams)));
    typeScore(sandbox, window, "MS", 1, 2, QStringLiteral("2 1"));
    typeScore(sandbox, window, "MS", 1, 3, QStringLiteral("2 1"));
    undoItem(window)->trigger();
    QVERIFY(undoItem(window)->isEnabled());
    QVERIFY(redoItem(window)->isEnabled());

    sandbox.prompter.queueAnswer(platform::Answer::No);
    sandbox.prompter.queueFile(sandbox.blankTable("other.TFL", 6));
    window->cmdopen_Click();
    QCOMPARE(window->league().teamCount, 6);
    QVERIFY(!undoItem(window)->isEnabled());
    QVERIFY(!redoItem(window)->isEnabled());
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить"));
    QCOMPARE(redoItem(window)->text(), QStringLiteral("&Повторить"));
}

// A file of six teams on a table of four makes a new table: the undo gives back the four
// teams, their results and the grids' shape in one step.
void TestMainWindowUndo::importOfANewTableIsUndoneInOneStep() {
    Sandbox sandbox;
    auto league = namedLeague(kTeams);
    soccer::enterScore(league->crossTables[1], 1, 2, QStringLiteral("2 1"));
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    TableGrid *ms = grid(window, "MS");
    const QStringList before = texts(ms);
    const int nameWidth = ms->columnWidth(1);
    const QString csv = sandbox.path(QStringLiteral("six.csv"));
    putFile(csv, QStringLiteral("Рубин;Ротор;3;0\nФакел;Волга;1;1\nУрал;Сокол;0;2\n").toUtf8());
    sandbox.prompter.queueFile(csv);
    window->proimport();
    auto *dialog = window->findChild<frmimport *>();
    QVERIFY(dialog);
    click(dialog, "cmdimport");
    QCOMPARE(window->league().teamCount, 6);
    QCOMPARE(ms->rowCount(), 7);
    QCOMPARE(undoItem(window)->text(), QStringLiteral("&Отменить импорт результатов"));

    undoItem(window)->trigger();
    QCOMPARE(window->league().teamCount, 4);
    QCOMPARE(texts(ms), before);
    QCOMPARE(ms->columnWidth(1), nameWidth);
    QVERIFY(!undoItem(window)->isEnabled());

    redoItem(window)->trigger();
    QCOMPARE(ms->rowCount(), 7);
    QCOMPARE(ms->text(1, 1), QStringLiteral("Рубин"));
    QCOMPARE(ms->text(1, 3), QStringLiteral(" 3: 0"));
}

QTEST_MAIN(TestMainWindowUndo)
#include "tst_ui_frmtable_undo.moc"
