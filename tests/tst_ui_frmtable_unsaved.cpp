// No unsaved result lost: which changes make the table differ from its file, and the
// questions of Exit and of closing the window when it does.
#include "tst_kit_leaving.h"

#include "ui/document/leaguedocument.h"

#include <QDir>

using namespace testkit;
using platform::Answer;
using Kind = platform::ScriptedPrompter::Kind;

namespace {

using Change = std::function<void(LeagueDocument &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestUnsavedTable : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void changesMakeTheTableModified_data();
    void changesMakeTheTableModified();
    void leavingAsksAndSaves_data();
    void leavingAsksAndSaves();
    void failedSaveKeepsTheProgramRunning_data();
    void failedSaveKeepsTheProgramRunning();
    void newAndOpenAskWhatTheyAsked();
};

void TestUnsavedTable::changesMakeTheTableModified_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("modified");
    using Doc = LeagueDocument;
    QTest::newRow("score") << Change([](Doc &d) { d.enterScore(1, 1, 2, "1 0"); }) << true;
    QTest::newRow("score in cross-table 2")
        << Change([](Doc &d) { d.enterScore(2, 4, 3, "0 0"); }) << true;
    QTest::newRow("answer without a blank")
        << Change([](Doc &d) { d.enterScore(1, 1, 2, "10"); }) << false;
    QTest::newRow("rename") << Change([](Doc &d) { d.rename(2, "Зенит"); }) << true;
    QTest::newRow("rename to the same name")
        << Change([](Doc &d) { d.rename(2, d.league().teamNames[2]); }) << false;
    QTest::newRow("rename all, one differs") << Change([](Doc &d) {
        d.renameAll({"", "Альфа", "Бета", "Зенит", "Гамма"});
    }) << true;
    QTest::newRow("rename all, none differs") << Change([](Doc &d) {
        d.renameAll({"", "Альфа", "Бета", "Вега", "Гамма"});
    }) << false;
    QTest::newRow("clear") << Change([](Doc &d) { d.clearResults(); }) << true;
    QTest::newRow("another ranking rule") << Change([](Doc &d) {
        d.setRankingRule(soccer::RankingRule::fromPreset(soccer::RulePreset::HeadToHeadFirst));
    }) << true;
    QTest::newRow("the same ranking rule")
        << Change([](Doc &d) { d.setRankingRule(soccer::RankingRule{}); }) << false;
    QTest::newRow("colours") << Change([](Doc &d) { d.setColors(unusualScheme()); }) << false;
    QTest::newRow("results order") << Change([](Doc &d) {
        d.rank();
        d.orderBy(soccer::columnOf(soccer::Counter::Played));
    }) << false;
}

// A save or a load makes the table its file's again.
void TestUnsavedTable::changesMakeTheTableModified() {
    QFETCH(Change, change);
    QFETCH(bool, modified);
    Sandbox sandbox;
    const QString path = sandbox.table("t.TFL", *namedLeague({"Альфа", "Бета", "Вега", "Гамма"}));
    LeagueDocument document;
    document.load(path);
    QVERIFY(!document.isModified());
    change(document);
    QCOMPARE(document.isModified(), modified);
    document.save();
    QVERIFY(!document.isModified());
    change(document);
    document.load(path);
    QVERIFY(!document.isModified());
}

void TestUnsavedTable::leavingAsksAndSaves_data() {
    QTest::addColumn<Way>("way");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<bool>("saved");
    for (Way way : {Way::Exit, Way::Frame}) {
        const char *how = way == Way::Exit ? "exit: " : "frame: ";
        const auto row = [how](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(QString::fromLatin1(how) + QLatin1String(name)));
        };
        row("unsaved, no") << way << true << QList{Answer::No} << QStringList{kQuit} << false
                           << false;
        row("unsaved, yes, cancel") << way << true << QList{Answer::Yes, Answer::Cancel}
                                    << QStringList{kQuit, kSaveChanges} << false << false;
        row("unsaved, yes, no") << way << true << QList{Answer::Yes, Answer::No}
                                << QStringList{kQuit, kSaveChanges} << true << false;
        row("unsaved, yes, yes, yes")
            << way << true << QList{Answer::Yes, Answer::Yes, Answer::Yes}
            << QStringList{kQuit, kSaveChanges, kSave, kSaved} << true << true;
        // Нет to the save's own question leaves as New and Open go on after it.
        row("unsaved, yes, yes, no") << way << true << QList{Answer::Yes, Answer::Yes, Answer::No}
                                     << QStringList{kQuit, kSaveChanges, kSave} << true << false;
    }
    QTest::newRow("exit: all saved, no")
        << Way::Exit << false << QList{Answer::No} << QStringList{kQuit} << false << false;
    QTest::newRow("exit: all saved, yes")
        << Way::Exit << false << QList{Answer::Yes} << QStringList{kQuit} << true << false;
    QTest::newRow("frame: all saved")
        << Way::Frame << false << QList<Answer>{} << QStringList{} << true << false;
}

void TestUnsavedTable::leavingAsksAndSaves() {
    QFETCH(Way, way);
    QFETCH(bool, unsaved);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, leaves);
    QFETCH(bool, saved);
    Sandbox sandbox;
    QString path;
    QPointer<frmtable> window = openTable(sandbox, unsaved, &path);
    const QByteArray before = fileBytes(path);
    for (Answer answer : answers)
        sandbox.prompter.queueAnswer(answer);

    leave(window, way);

    QCOMPARE(messageTexts(sandbox.prompter), questions);
    for (const auto &asked : sandbox.prompter.asked()) {
        if (asked.kind != Kind::Message)
            continue;
        QCOMPARE(asked.title, QStringLiteral("Тарвел"));
        QCOMPARE(asked.icon, platform::Icon::Information);
        if (asked.text == kSaveChanges)
            QCOMPARE(asked.buttons, platform::Buttons::YesNoCancel);
        if (asked.text == kQuit)
            QCOMPARE(asked.buttons, platform::Buttons::YesNo);
    }
    QCOMPARE(sandbox.prompter.unexpected(), 0);
    QVERIFY(sandbox.prompter.allAnswersUsed());
    QCOMPARE(left(sandbox, window, way), leaves);
    // A frame close never ends the program through the prompt layer; closing the last window
    // does.
    QVERIFY(way == Way::Exit || !sandbox.prompter.ended());
    QCOMPARE(fileBytes(path) != before, saved);
    if (saved)
        QCOMPARE(readBack(path)->crossTables[1].cells[1][2], QStringLiteral("2: 1"));
    if (leaves)
        return;
    QVERIFY(window->isVisible());
    QCOMPARE(frmtable::current(), window.data());
    if (unsaved)
        QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 2: 1"));
}

void TestUnsavedTable::failedSaveKeepsTheProgramRunning_data() {
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("failure");
    for (Way way : {Way::Exit, Way::Frame}) {
        const QString how = way == Way::Exit ? "exit: " : "frame: ";
        for (const QString failure : {"file replaced by a folder", "path in a missing folder"})
            QTest::newRow(qPrintable(how + failure)) << way << failure;
    }
}

// The table stays open to be saved elsewhere, and the program can still be left.
void TestUnsavedTable::failedSaveKeepsTheProgramRunning() {
    QFETCH(Way, way);
    QFETCH(QString, failure);
    Sandbox sandbox;
    QString path;
    QVERIFY(QDir().mkpath(sandbox.path("season")));
    QPointer<frmtable> window = openTable(sandbox, true, &path, "season/t.TFL");
    if (failure == "file replaced by a folder") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else {
        QVERIFY(QDir(sandbox.path("season")).removeRecursively());
    }
    for (int i = 0; i < 3; ++i)
        sandbox.prompter.queueAnswer(Answer::Yes);

    leave(window, way);

    const QStringList texts = messageTexts(sandbox.prompter);
    QCOMPARE(texts.mid(0, 3), QStringList({kQuit, kSaveChanges, kSave}));
    QCOMPARE(texts.size(), 4);
    QVERIFY2(texts[3].contains(QStringLiteral("не сохранена")), qPrintable(texts[3]));
    QCOMPARE(sandbox.prompter.asked().last().icon, platform::Icon::Critical);
    QVERIFY(!left(sandbox, window, way));
    QVERIFY(!sandbox.prompter.ended());
    QVERIFY(window->isVisible());
    QCOMPARE(frmtable::current(), window.data());
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 2: 1"));
    QVERIFY(window->league().tablePath.endsWith("t.TFL"));

    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueAnswer(Answer::No);
    leave(window, way);
    QVERIFY(left(sandbox, window, way));
}

// Leaving the table through New or Open asks only their own question; the window that New
// hides asks nothing more.
void TestUnsavedTable::newAndOpenAskWhatTheyAsked() {
    Sandbox sandbox;
    const QString other = sandbox.blankTable("other.TFL", 5);
    QPointer<frmtable> window = openTable(sandbox, true);
    sandbox.prompter.queueAnswer(Answer::No);
    sandbox.prompter.queueFile(other);
    window->cmdopen_Click();
    QCOMPARE(messageTexts(sandbox.prompter), QStringList({"Сохранить этот файл перед открытием"}));
    QCOMPARE(window->league().teamCount, 5);

    enterScore(sandbox, window, 1, 3, QStringLiteral("1 1"));
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::No);
    control<QAction>(window, "mnunew")->trigger();
    QCOMPARE(sandbox.prompter.askedTexts(),
             QStringList({"Сохранить этот файл перед созданием нового"}));
    QCOMPARE(sandbox.prompter.unexpected(), 0);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestUnsavedTable)
#include "tst_ui_frmtable_unsaved.moc"
