// The organiser's decisions in the window: points docked or given through "Снятие очков...",
// marked in the results table with their reasons, and a team withdrawn either way through
// "Команда снялась...", each one step that undo takes back to the byte.
#include "tst_kit_mainwindow.h"

#include "core/files/tablefile.h"
#include "ui/dialogs/frmdeduct.h"
#include "ui/dialogs/frmwithdraw.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace testkit;

namespace {

// Спартак beats everyone, Динамо beats Зенит (4 points), the rest draw; Торпедо has played
// three of its six matches, half of them.
frmtable *openPlayed(Sandbox &sandbox) {
    auto league = namedLeague({"Спартак", "Динамо", "Зенит", "Торпедо"});
    for (const auto &[row, column, answer] : {std::tuple{1, 2, "2 0"},
                                              {1, 3, "1 0"},
                                              {1, 4, "3 1"},
                                              {2, 3, "2 1"},
                                              {2, 4, "0 0"},
                                              {3, 4, "1 1"}})
        soccer::enterScore(*league, 1, row, column, QString::fromLatin1(answer));
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->protable();
    return window;
}

// The dialog the item opens, on `team`.
template <class Dialog> Dialog *opened(frmtable *window, const char *item, int team) {
    control<QAction>(window, item)->trigger();
    Dialog *dialog = window->findChildren<Dialog *>().constLast();
    control<QComboBox>(dialog, "cmbteam")->setCurrentIndex(team - 1);
    return dialog;
}

} // namespace

class TestMainWindowCompetition : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void deductionsAreListedAndMarked_data();
    void deductionsAreListedAndMarked();
    void withdrawalIsOneStepEachWay_data();
    void withdrawalIsOneStepEachWay();
};

// Each answer typed in turn and added, the first added removed again when told; a refused
// answer is told and changes nothing.
void TestMainWindowCompetition::deductionsAreListedAndMarked_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("removeFirst");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("points"); // Динамо's in the results grid
    QTest::addColumn<QString>("refusal");
    QTest::newRow("3 docked") << QStringList{"-3"} << false << QStringList{"-3 — неуплата (5 тур)"}
                              << "1*"
                              << "";
    QTest::newRow("docked and given")
        << QStringList{"-3", "2"} << false
        << QStringList{"-3 — неуплата (5 тур)", "+2 — неуплата (5 тур)"} << "3*"
        << "";
    QTest::newRow("one removed") << QStringList{"-3", "2"} << true
                                 << QStringList{"+2 — неуплата (5 тур)"} << "6*"
                                 << "";
    QTest::newRow("a fraction") << QStringList{"-1.5"} << false << QStringList() << "4"
                                << "Очки должны быть целым числом, например -3 или 2.";
}

void TestMainWindowCompetition::deductionsAreListedAndMarked() {
    QFETCH(QStringList, typed);
    QFETCH(bool, removeFirst);
    QFETCH(QStringList, listed);
    QFETCH(QString, points);
    QFETCH(QString, refusal);
    Sandbox sandbox;
    frmtable *window = openPlayed(sandbox);
    const QByteArray before = soccer::tableBytes(window->league());
    auto *dialog = opened<frmdeduct>(window, "mnudeduct", 2);
    for (const QString &answer : typed) {
        control<QLineEdit>(dialog, "txtpoints")->setText(answer);
        control<QLineEdit>(dialog, "txtreason")->setText(QStringLiteral("неуплата"));
        control<QLineEdit>(dialog, "txtwhen")->setText(QStringLiteral("5 тур"));
        click(dialog, "cmdadd");
    }
    auto *list = control<QListWidget>(dialog, "lstadjust");
    list->setCurrentRow(0);
    if (removeFirst)
        click(dialog, "cmdremove");
    QCOMPARE(sandbox.prompter.askedTexts(),
             refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(list->count(), listed.size());
    click(dialog, "cmdok");

    TableGrid *results = grid(window, "MSF");
    const int row = int(column(results, 1).indexOf("ДИНАМО")) + 1;
    const QModelIndex cell = results->model()->index(row, columnHeaded(results, "О"));
    QCOMPARE(cell.data().toString(), points);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), listed.join(u'\n'));
    control<QAction>(window, "mnuundo")->trigger();
    QCOMPARE(soccer::tableBytes(window->league()), before);
}

// Торпедо withdraws; each way is undone to the byte, redone, and taken back in the dialog.
void TestMainWindowCompetition::withdrawalIsOneStepEachWay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("filled"); // Торпедо's cell against Спартак in the second half
    QTest::newRow("annulled") << "optannul"
                              << "";
    QTest::newRow("technical defeats") << "opttechnical"
                                       << "-:+";
    QTest::newRow("by the regulations, half played") << "optrules"
                                                     << "-:+";
}

void TestMainWindowCompetition::withdrawalIsOneStepEachWay() {
    QFETCH(QString, option);
    QFETCH(QString, filled);
    Sandbox sandbox;
    frmtable *window = openPlayed(sandbox);
    const QByteArray before = soccer::tableBytes(window->league());
    auto *dialog = opened<frmwithdraw>(window, "mnuwithdraw", 4);
    QVERIFY(!control<QPushButton>(dialog, "cmdback")->isEnabled());
    control<QRadioButton>(dialog, option.toLatin1().constData())->setChecked(true);
    click(dialog, "cmdok");

    const QByteArray withdrawn = soccer::tableBytes(window->league());
    QCOMPARE(column(grid(window, "MSF"), 1).constLast(), QStringLiteral("ТОРПЕДО (снялась)"));
    QCOMPARE(window->league().crossTables[2].cells[4][1], filled);
    QVERIFY(withdrawn != before);
    control<QAction>(window, "mnuundo")->trigger();
    QCOMPARE(soccer::tableBytes(window->league()), before);
    control<QAction>(window, "mnuredo")->trigger();
    QCOMPARE(soccer::tableBytes(window->league()), withdrawn);

    dialog = opened<frmwithdraw>(window, "mnuwithdraw", 4);
    QVERIFY(!control<QPushButton>(dialog, "cmdok")->isEnabled());
    click(dialog, "cmdback");
    QCOMPARE(soccer::tableBytes(window->league()), before);
}

QTEST_MAIN(TestMainWindowCompetition)
#include "tst_ui_frmtable_competition.moc"
