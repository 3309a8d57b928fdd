// The main window without a mouse: scores entered, a team renamed by its name cell and the
// results table ordered with the keyboard alone; and the names a screen reader gives the
// picture buttons and the grids.
#include "tst_kit_mainwindow.h"

#include <QAccessible>

using namespace testkit;
using platform::Answer;

namespace {

const QStringList kTeams = {"Спартак", "Динамо", "Зенит", "Торпедо"};

void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(target, key, modifiers);
}

// The cell the keys have reached, as "row,column".
QString current(TableGrid *grid) {
    return QStringLiteral("%1,%2").arg(grid->currentRow()).arg(grid->currentColumn());
}

} // namespace

class TestMainWindowKeyboard : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void wholeRoundWithoutAMouse();
    void otherKeysDoNotActAsAClick();
    void picturesAndGridsHaveSpokenNames();
};

void TestMainWindowKeyboard::wholeRoundWithoutAMouse() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague(kTeams)));
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    TableGrid *ms = grid(window, "MS");
    // The grid of the view shown takes the keys at once.
    QTRY_VERIFY(ms->hasFocus());

    press(ms, Qt::Key_Home, Qt::ControlModifier);
    press(ms, Qt::Key_Down);
    press(ms, Qt::Key_Right, Qt::NoModifier, 3);
    QCOMPARE(current(ms), QStringLiteral("1,3")); // Спартак against Динамо
    sandbox.prompter.queueInput("2 1");
    press(ms, Qt::Key_Return);
    QCOMPARE(sandbox.prompter.askedTexts(),
             QStringList({QStringLiteral("Введите счет между:  Спартак  Динамо")}));
    QCOMPARE(ms->text(1, 3), QStringLiteral(" 2: 1"));
    QCOMPARE(ms->text(2, 2), QStringLiteral(" 1: 2"));
    QCOMPARE(statisticsRow(ms, 1), QStringList({"1", "0", "0", "1", "2", "1", "3"}));

    // Space on a team's own cell asks nothing, as a click there does not.
    press(ms, Qt::Key_Down);
    const qsizetype askedBefore = sandbox.prompter.asked().size();
    press(ms, Qt::Key_Space);
    QCOMPARE(sandbox.prompter.asked().size(), askedBefore);

    press(ms, Qt::Key_Down);
    sandbox.prompter.queueInput("0 0");
    press(ms, Qt::Key_Space);
    QCOMPARE(ms->text(3, 3), QStringLiteral(" 0: 0"));

    press(ms, Qt::Key_Down);
    sandbox.prompter.queueInput("1 3");
    press(ms, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ms->text(4, 3), QStringLiteral(" 1: 3"));

    // The name cell offers the rename.
    press(ms, Qt::Key_Left, Qt::NoModifier, 2);
    QCOMPARE(current(ms), QStringLiteral("4,1"));
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueInput("Торпедо М");
    press(ms, Qt::Key_Return);
    QVERIFY(
        sandbox.prompter.askedTexts().contains(QStringLiteral("Вы хотите переименовать Торпедо")));
    QCOMPARE(ms->text(4, 1), QStringLiteral("Торпедо М"));
    QCOMPARE(grid(window, "ms1")->text(4, 1), QStringLiteral("Торпедо М"));

    // The results table comes with its shortcut and takes the keys in turn.
    QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
    TableGrid *msf = grid(window, "MSF");
    QVERIFY(msf->isVisible());
    QVERIFY(msf->hasFocus());
    QCOMPARE(column(msf, 1), QStringList({"ДИНАМО", "СПАРТАК", "ЗЕНИТ", "ТОРПЕДО М"}));

    // Enter on the header "П" orders by losses, more first, equals by team number.
    press(msf, Qt::Key_Home, Qt::ControlModifier);
    press(msf, Qt::Key_Right, Qt::NoModifier, 3);
    QCOMPARE(msf->text(0, msf->currentColumn()), QStringLiteral("П"));
    press(msf, Qt::Key_Return);
    QCOMPARE(column(msf, 1), QStringList({"ДИНАМО", "ТОРПЕДО М", "СПАРТАК", "ЗЕНИТ"}));

    // Space on "О" brings back the places.
    press(msf, Qt::Key_Home, Qt::ControlModifier);
    press(msf, Qt::Key_End);
    QCOMPARE(msf->text(0, msf->currentColumn()), QStringLiteral("О"));
    press(msf, Qt::Key_Space);
    QCOMPARE(column(msf, 1), QStringList({"ДИНАМО", "СПАРТАК", "ЗЕНИТ", "ТОРПЕДО М"}));

    QCOMPARE(sandbox.prompter.unexpected(), 0);
    QVERIFY(sandbox.prompter.allAnswersUsed());
}

void TestMainWindowKeyboard::otherKeysDoNotActAsAClick() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *namedLeague(kTeams)));
    TableGrid *ms = grid(window, "MS");
    ms->setCurrentCell(1, 3);
    // A held key repeats without asking again; with Ctrl or Shift it is no click either.
    QTest::sendKeyEvent(QTest::Press, ms, Qt::Key_Return, QString(), Qt::NoModifier);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(ms, &repeated);
    press(ms, Qt::Key_Space, Qt::ControlModifier);
    press(ms, Qt::Key_Return, Qt::ShiftModifier);
    press(ms, Qt::Key_A);
    QCOMPARE(sandbox.prompter.asked().size(), 1);
    QCOMPARE(ms->text(1, 3), QString()); // the one prompt was dismissed
}

void TestMainWindowKeyboard::picturesAndGridsHaveSpokenNames() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QList<QToolButton *> buttons;
    for (QToolButton *button : window->findChildren<QToolButton *>())
        if (button->objectName().startsWith(QStringLiteral("cmd")))
            buttons << button;
    QCOMPARE(buttons.size(), 14);
    for (QToolButton *button : buttons) {
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(button);
        QVERIFY(spoken);
        QCOMPARE(spoken->text(QAccessible::Name), button->toolTip());
    }
    const QList<QPair<const char *, QString>> grids = {{"MS", "Шахматная таблица (1)"},
                                                       {"ms1", "Шахматная таблица (2)"},
                                                       {"MSF", "Таблица результатов"}};
    for (const auto &[name, spokenName] : grids) {
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(grid(window, name));
        QVERIFY(spoken);
        QCOMPARE(spoken->text(QAccessible::Name), spokenName);
    }
}

QTEST_MAIN(TestMainWindowKeyboard)
#include "tst_ui_frmtable_keyboard.moc"
