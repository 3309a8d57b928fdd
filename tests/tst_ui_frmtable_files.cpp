// The file commands of the main window: New, Open, Save, Save as, their questions, their
// failures, and a season's table kept across saving and opening.
#include "tst_kit_mainwindow.h"

#include <QPointer>

using namespace testkit;
using platform::Answer;
using Kind = platform::ScriptedPrompter::Kind;

namespace {

const QList<platform::FileFilter> kFilters = {
    {QStringLiteral("Таблицы         (*.TFL)"), QStringLiteral("*.TFL")},
    {QStringLiteral("Текстовые файлы (*.TXT)"), QStringLiteral("*.TXT")},
    {QStringLiteral("DATA файлы      (*.DAT)"), QStringLiteral("*.DAT")}};

void enterScore(Sandbox &sandbox, frmtable *window, const char *gridName, int row, int column,
                const QString &answer) {
    sandbox.prompter.queueInput(answer);
    grid(window, gridName)->setCurrentCell(row, column);
    if (QByteArray(gridName) == "MS")
        window->MS_Click();
    else
        window->ms1_Click();
}

std::unique_ptr<soccer::League> readBack(const QString &path) {
    auto league = std::make_unique<soccer::League>();
    soccer::readTableFile(path, *league);
    return league;
}

bool windowShown(const char *className) {
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits(className))
            return true;
    return false;
}

// A path under which no table can be written.
QString unwritablePath(Sandbox &sandbox, const QString &kind) {
    if (kind == "missing folder")
        return sandbox.path("missing/x.TFL");
    QFile plain(sandbox.path("plain.txt"));
    plain.open(QIODevice::WriteOnly);
    plain.write("not a folder");
    return sandbox.path("plain.txt/x.TFL");
}

// The open table's file turned into a folder: the next save to it fails.
void replaceByFolder(const QString &path) {
    if (!QFile::remove(path) || !QDir().mkdir(path))
        qFatal("the table's file cannot be turned into a folder");
}

void checkFailureReported(const platform::ScriptedPrompter::Asked &asked, const QString &words) {
    QCOMPARE(asked.kind, Kind::Message);
    QCOMPARE(asked.title, QStringLiteral("Тарвел"));
    QCOMPARE(asked.icon, platform::Icon::Critical);
    QCOMPARE(asked.buttons, platform::Buttons::Ok);
    QVERIFY2(asked.text.contains(words), qPrintable(asked.text));
    QVERIFY2(asked.text.contains(QStringLiteral("Причина")), qPrintable(asked.text));
}

} // namespace

class TestMainWindowFiles : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void saveAnsweredNoWritesNothing();
    void saveWritesTheNamesShownInCrossTable2();
    void failedSaveIsReportedAndKeepsTheOldFile_data();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void saveAsCancelledChangesNothing();
    void saveAsWritesANameWithoutExtension();
    void saveAsAnsweredNoKeepsThePath();
    void openCancelledAtTheQuestionDoesNothing();
    void openLoadsAnotherTable_data();
    void openLoadsAnotherTable();
    void openDialogCancelledKeepsTheTable();
    void openOfABrokenTableKeepsThePrevious_data();
    void openOfABrokenTableKeepsThePrevious();
    void openStopsWhenTheOfferedSaveFails();
    void newCancelledKeepsTheWindow();
    void newShowsTheNewTableDialog_data();
    void newShowsTheNewTableDialog();
    void newStopsWhenTheOfferedSaveFails();
    void seasonSurvivesSavingAndOpening();
};

void TestMainWindowFiles::saveAnsweredNoWritesNothing() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    const QByteArray before = fileBytes(path);
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::No);
    QTest::mouseClick(control<QToolButton>(window, "cmdsave"), Qt::LeftButton);
    QCOMPARE(sandbox.prompter.askedTexts(), QStringList({"Сохранить?"}));
    QCOMPARE(sandbox.prompter.asked()[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(sandbox.prompter.asked()[0].title, QStringLiteral("Тарвел"));
    QCOMPARE(fileBytes(path), before);
    QVERIFY(window->isVisible());
}

void TestMainWindowFiles::saveWritesTheNamesShownInCrossTable2() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    // The name of team 2 typed in cross-table 1, then again in cross-table 2.
    sandbox.prompter.queueAnswer(Answer::Yes);
    enterScore(sandbox, window, "MS", 2, 1, QStringLiteral("В первой"));
    sandbox.prompter.queueAnswer(Answer::Yes);
    enterScore(sandbox, window, "ms1", 2, 1, QStringLiteral("Во второй"));
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::Yes);
    control<QAction>(window, "mnusave")->trigger();

    QCOMPARE(sandbox.prompter.askedTexts(), QStringList({"Сохранить?", "Сохранено"}));
    QCOMPARE(sandbox.prompter.asked()[1].buttons, platform::Buttons::Ok);
    QCOMPARE(sandbox.prompter.asked()[1].icon, platform::Icon::Information);
    auto saved = readBack(path);
    QCOMPARE(saved->teamNames[2], QStringLiteral("Во второй"));
    QCOMPARE(saved->crossTables[1].cells[1][2], QStringLiteral("1: 0"));
    QCOMPARE(saved->crossTables[1].stats[1].points, 3.0);
    QCOMPARE(window->league().teamNames[2], QStringLiteral("Во второй"));
    QVERIFY(window->isVisible());
}

void TestMainWindowFiles::failedSaveIsReportedAndKeepsTheOldFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("file in place of a folder") << "file as folder";
    QTest::newRow("missing folder") << "missing folder";
}

void TestMainWindowFiles::failedSaveIsReportedAndKeepsTheOldFile() {
    QFETCH(QString, kind);
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    const QByteArray before = fileBytes(path);
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    sandbox.prompter.clear();
    const QString target = unwritablePath(sandbox, kind);
    sandbox.prompter.queueFile(target);
    sandbox.prompter.queueAnswer(Answer::Yes);
    control<QAction>(window, "mnusaveas")->trigger();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[1].text, QStringLiteral("Сохранить?"));
    checkFailureReported(asked[2], QStringLiteral("не сохранена"));
    QVERIFY(asked[2].text.contains(shown(target)));
    QVERIFY(window->isVisible());
    QVERIFY(!QFile::exists(target));
    QCOMPARE(fileBytes(path), before);
    // The table in memory is still there to be saved elsewhere.
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 1: 0"));
}

void TestMainWindowFiles::saveAsCancelledChangesNothing() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    sandbox.prompter.queueFile(std::nullopt);
    window->mnusaveas_Click();
    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].kind, Kind::File);
    QCOMPARE(asked[0].mode, platform::FileMode::Save);
    QCOMPARE(asked[0].filters.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(asked[0].filters[i].description, kFilters[i].description);
        QCOMPARE(asked[0].filters[i].pattern, kFilters[i].pattern);
    }
    QCOMPARE(window->league().tablePath, path);
}

void TestMainWindowFiles::saveAsWritesANameWithoutExtension() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "ms1", 2, 4, QStringLiteral("3 2"));
    const QString copy = sandbox.path("копия");
    sandbox.prompter.queueFile(copy);
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->mnusaveas_Click();
    QVERIFY(QFile::exists(copy));
    QCOMPARE(readBack(copy)->crossTables[2].cells[2][3], QStringLiteral("3: 2"));
    QCOMPARE(window->league().tablePath, copy);
    QCOMPARE(window->windowTitle(), QStringLiteral("Тарвел - ") + shown(path));
}

// The window goes on showing the file it writes: the path moves only with a save that is made.
void TestMainWindowFiles::saveAsAnsweredNoKeepsThePath() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    const QString moved = sandbox.path("b.TFL");
    sandbox.prompter.queueFile(moved);
    sandbox.prompter.queueAnswer(Answer::No);
    window->mnusaveas_Click();
    QVERIFY(!QFile::exists(moved));
    QCOMPARE(window->league().tablePath, path);
    QCOMPARE(window->windowTitle(), QStringLiteral("Тарвел - ") + shown(path));

    sandbox.prompter.queueAnswer(Answer::Yes);
    window->prosave();
    QVERIFY(!QFile::exists(moved));
    QCOMPARE(readBack(path)->crossTables[1].cells[1][2], QStringLiteral("1: 0"));
}

void TestMainWindowFiles::openCancelledAtTheQuestionDoesNothing() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    sandbox.prompter.queueAnswer(Answer::Cancel);
    QTest::mouseClick(control<QToolButton>(window, "cmdopen"), Qt::LeftButton);
    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Сохранить этот файл перед открытием"));
    QCOMPARE(asked[0].buttons, platform::Buttons::YesNoCancel);
    QCOMPARE(asked[0].icon, platform::Icon::Information);
    QCOMPARE(asked[0].title, QStringLiteral("Тарвел"));
    QCOMPARE(window->league().tablePath, path);
}

void TestMainWindowFiles::openLoadsAnotherTable_data() {
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saved");
    QTest::newRow("no save") << QList<Answer>{Answer::No} << false;
    QTest::newRow("yes, then no") << QList<Answer>{Answer::Yes, Answer::No} << false;
    QTest::newRow("yes, then yes") << QList<Answer>{Answer::Yes, Answer::Yes} << true;
}

void TestMainWindowFiles::openLoadsAnotherTable() {
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saved);
    Sandbox sandbox;
    const QString first = sandbox.blankTable("first.TFL", 4);
    const QString second = sandbox.blankTable("second.TXT", 7);
    frmtable *window = sandbox.open(first);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    window->protable();
    sandbox.prompter.clear();
    for (Answer answer : answers)
        sandbox.prompter.queueAnswer(answer);
    sandbox.prompter.queueFile(second);
    control<QAction>(window, "mnuopen")->trigger();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.last().kind, Kind::File);
    QCOMPARE(asked.last().mode, platform::FileMode::Open);
    QCOMPARE(asked.last().filters.size(), 3);
    QCOMPARE(asked.last().filters[1].description, kFilters[1].description);
    QVERIFY(sandbox.prompter.askedTexts().contains(QStringLiteral("Сохранено")) == saved);
    QCOMPARE(readBack(first)->crossTables[1].cells[1][2].isEmpty(), !saved);

    QCOMPARE(window->league().teamCount, 7);
    QCOMPARE(window->league().tablePath, second);
    QCOMPARE(window->windowTitle(), QStringLiteral("Тарвел - ") + shown(second));
    QCOMPARE(grid(window, "MS")->rowCount(), 8);
    QCOMPARE(grid(window, "ms1")->columnCount(), 16);
    QCOMPARE(grid(window, "MSF")->rowCount(), 8);
    QVERIFY(grid(window, "MS")->text(1, 3).isEmpty());
    QVERIFY(window->isVisible());
    QVERIFY(grid(window, "MS")->isVisible());
    QVERIFY(!grid(window, "ms1")->isVisible() && !grid(window, "MSF")->isVisible());
    QVERIFY(!control<QAction>(window, "mnuchess")->isEnabled());
    QVERIFY(control<QAction>(window, "mnutable")->isEnabled());
}

void TestMainWindowFiles::openDialogCancelledKeepsTheTable() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    sandbox.prompter.queueAnswer(Answer::No);
    sandbox.prompter.queueFile(std::nullopt);
    window->cmdopen_Click();
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 1: 0"));
    QCOMPARE(window->league().tablePath, path);
    QVERIFY(sandbox.prompter.allAnswersUsed());
}

void TestMainWindowFiles::openOfABrokenTableKeepsThePrevious_data() {
    QTest::addColumn<QByteArray>("content");
    QByteArray cut = soccer::blankTableBytes(4);
    cut.chop(20);
    QTest::newRow("ends early") << cut;
    QTest::newRow("count above 99") << QByteArray("100\r\n");
    QTest::newRow("count not a number") << QByteArray("vier\r\n");
    QTest::newRow("missing file") << QByteArray();
}

void TestMainWindowFiles::openOfABrokenTableKeepsThePrevious() {
    QFETCH(QByteArray, content);
    Sandbox sandbox;
    auto league = namedLeague({"Альфа", "Бета", "Вега"});
    const QString path = sandbox.table("good.TFL", *league);
    const QString broken = sandbox.path("broken.TFL");
    if (!content.isEmpty()) {
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    frmtable *window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    window->prochess1();
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::No);
    sandbox.prompter.queueFile(broken);
    window->cmdopen_Click();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 3);
    checkFailureReported(asked[2], QStringLiteral("не открыта"));
    QVERIFY(asked[2].text.contains(shown(broken)));
    QVERIFY(window->isVisible());
    QCOMPARE(window->league().tablePath, path);
    QCOMPARE(window->windowTitle(), QStringLiteral("Тарвел - ") + shown(path));
    QCOMPARE(window->league().teamCount, 3);
    QCOMPARE(window->league().teamNames[2], QStringLiteral("Бета"));
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 1: 0"));
    QCOMPARE(grid(window, "MS")->rowCount(), 4);
    QCOMPARE(grid(window, "MS")->text(1, 3), QStringLiteral(" 1: 0"));
    QCOMPARE(grid(window, "ms1")->text(3, 1), QStringLiteral("Вега"));
    QVERIFY(grid(window, "ms1")->isVisible());

    // A save now still goes to the table that is open.
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->prosave();
    QCOMPARE(readBack(path)->crossTables[1].cells[1][2], QStringLiteral("1: 0"));
}

void TestMainWindowFiles::openStopsWhenTheOfferedSaveFails() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    replaceByFolder(path);
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueFile(sandbox.blankTable("other.TFL", 5));
    window->cmdopen_Click();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 3);
    checkFailureReported(asked[2], QStringLiteral("не сохранена"));
    QCOMPARE(window->league().teamCount, 4);
    QVERIFY(window->isVisible());
}

void TestMainWindowFiles::newCancelledKeepsTheWindow() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    sandbox.prompter.queueAnswer(Answer::Cancel);
    QTest::mouseClick(control<QToolButton>(window, "cmdnew"), Qt::LeftButton);
    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Сохранить этот файл перед созданием нового"));
    QCOMPARE(asked[0].buttons, platform::Buttons::YesNoCancel);
    QVERIFY(window->isVisible());
    QCOMPARE(frmtable::current(), window);
    QVERIFY(!windowShown("frmnew"));
}

void TestMainWindowFiles::newShowsTheNewTableDialog_data() {
    openLoadsAnotherTable_data();
}

void TestMainWindowFiles::newShowsTheNewTableDialog() {
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saved);
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    QPointer<frmtable> window = sandbox.open(path);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("1 0"));
    for (Answer answer : answers)
        sandbox.prompter.queueAnswer(answer);
    control<QAction>(window, "mnunew")->trigger();

    // Hidden until a new table takes its place; Отмена there brings it back.
    QVERIFY(windowShown("frmnew"));
    QVERIFY(!window->isVisible());
    QCOMPARE(readBack(path)->crossTables[1].cells[1][2].isEmpty(), !saved);
}

void TestMainWindowFiles::newStopsWhenTheOfferedSaveFails() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("t.TFL", 4);
    frmtable *window = sandbox.open(path);
    replaceByFolder(path);
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->mnunew_Click();

    QCOMPARE(sandbox.prompter.asked().size(), 3);
    checkFailureReported(sandbox.prompter.asked()[2], QStringLiteral("не сохранена"));
    QVERIFY(!windowShown("frmnew"));
    QCOMPARE(frmtable::current(), window);
    QVERIFY(window->isVisible());
}

void TestMainWindowFiles::seasonSurvivesSavingAndOpening() {
    Sandbox sandbox;
    const QString season = sandbox.blankTable("season.TFL", 5);
    const QString other = sandbox.blankTable("other.DAT", 9);
    frmtable *window = sandbox.open(season);
    enterScore(sandbox, window, "MS", 1, 3, QStringLiteral("2 1"));
    enterScore(sandbox, window, "MS", 4, 6, QStringLiteral("0 0"));
    enterScore(sandbox, window, "MS", 3, 2, QStringLiteral("1.5 -1"));
    window->prochess1();
    enterScore(sandbox, window, "ms1", 2, 2, QStringLiteral("3 3"));
    enterScore(sandbox, window, "ms1", 5, 5, QStringLiteral("4 0"));
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueInput(QStringLiteral("Зенит"));
    grid(window, "ms1")->setCurrentCell(3, 1);
    window->ms1_Click();
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->prosave();

    auto kept = std::make_unique<soccer::League>(window->league());
    sandbox.prompter.queueAnswer(Answer::No);
    sandbox.prompter.queueFile(other);
    window->cmdopen_Click();
    QCOMPARE(window->league().teamCount, 9);
    sandbox.prompter.queueAnswer(Answer::No);
    sandbox.prompter.queueFile(season);
    window->cmdopen_Click();
    QVERIFY(sandbox.prompter.allAnswersUsed());

    const soccer::League &reopened = window->league();
    QCOMPARE(reopened.teamCount, 5);
    for (int t = 1; t <= 5; ++t) {
        QCOMPARE(reopened.teamNames[t], kept->teamNames[t]);
        QCOMPARE(grid(window, "MS")->text(t, 1), kept->teamNames[t]);
        for (int k = 1; k <= 2; ++k) {
            TableGrid *shown = grid(window, k == 1 ? "MS" : "ms1");
            QCOMPARE(reopened.crossTables[k].stats[t], kept->crossTables[k].stats[t]);
            for (const soccer::StatisticColumn &statistic : soccer::kCrossTableColumns)
                QCOMPARE(shown->text(t, statisticColumn(shown, statistic.counter)),
                         soccer::statisticText(soccer::counterValue(kept->crossTables[k].stats[t],
                                                                    statistic.counter)));
            for (int c = 1; c <= 5; ++c) {
                const QString cell = reopened.crossTables[k].cells[t][c];
                QCOMPARE(cell, kept->crossTables[k].cells[t][c].trimmed());
                QCOMPARE(shown->text(t, c + 1), cell);
            }
        }
    }
    QCOMPARE(reopened.teamNames[3], QStringLiteral("Зенит"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 3),
             QStringList({"1", "0", "0", "1", "1.5", "-1", "3"}));
    QCOMPARE(statisticsRow(grid(window, "ms1"), 5),
             QStringList({"1", "0", "0", "1", "4", "0", "3"}));
    // Scores read back without their leading blank are still taken back correctly.
    enterScore(sandbox, window, "MS", 1, 3, QString());
    QCOMPARE(statisticsRow(grid(window, "MS"), 2), QStringList(7, QStringLiteral("0")));
}

QTEST_MAIN(TestMainWindowFiles)
#include "tst_ui_frmtable_files.moc"
