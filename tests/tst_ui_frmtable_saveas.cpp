// Save as onto a file that is already there: the user is asked before a season is replaced,
// and Нет goes back to the file dialog with nothing written.
#include "tst_kit_mainwindow.h"

using namespace testkit;
using platform::Answer;
using Kind = platform::ScriptedPrompter::Kind;

namespace {

QString replaceQuestion(const QString &path) {
    return QStringLiteral("Файл ") + path + QStringLiteral(" уже существует. Заменить его?");
}

// The open table with one result more than the file on disk holds.
frmtable *openWithAResult(Sandbox &sandbox, const QString &path) {
    frmtable *window = sandbox.open(path);
    sandbox.prompter.queueInput(QStringLiteral("2 1"));
    grid(window, "MS")->setCurrentCell(1, 3);
    window->MS_Click();
    sandbox.prompter.clear();
    return window;
}

std::unique_ptr<soccer::League> readBack(const QString &path) {
    auto league = std::make_unique<soccer::League>();
    soccer::readTableFile(path, *league);
    return league;
}

} // namespace

class TestMainWindowSaveAs : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void replacingAskedYesWrites();
    void replacingAskedNoReturnsToTheDialog_data();
    void replacingAskedNoReturnsToTheDialog();
    void newFileIsNotAsked();
};

void TestMainWindowSaveAs::replacingAskedYesWrites() {
    Sandbox sandbox;
    const QString open = sandbox.blankTable("t.TFL", 4);
    const QString other = sandbox.blankTable("other.TFL", 6);
    frmtable *window = openWithAResult(sandbox, open);
    sandbox.prompter.queueFile(other);
    sandbox.prompter.queueAnswer(Answer::Yes); // replace
    sandbox.prompter.queueAnswer(Answer::Yes); // Сохранить?
    control<QAction>(window, "mnusaveas")->trigger();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 4);
    QCOMPARE(asked[0].kind, Kind::File);
    QCOMPARE(asked[1].text, replaceQuestion(other));
    QCOMPARE(asked[1].title, QStringLiteral("Тарвел"));
    QCOMPARE(asked[1].buttons, platform::Buttons::YesNo);
    QCOMPARE(asked[2].text, QStringLiteral("Сохранить?"));
    QCOMPARE(asked[3].text, QStringLiteral("Сохранено"));
    QCOMPARE(readBack(other)->teamCount, 4);
    QCOMPARE(readBack(other)->crossTables[1].cells[1][2], QStringLiteral("2: 1"));
    QCOMPARE(window->league().tablePath, other);
}

void TestMainWindowSaveAs::replacingAskedNoReturnsToTheDialog_data() {
    QTest::addColumn<QString>("then"); // what the user does in the dialog opened again
    QTest::newRow("cancels") << "cancel";
    QTest::newRow("chooses a new name") << "new name";
    QTest::newRow("answers Нет again") << "same file";
}

void TestMainWindowSaveAs::replacingAskedNoReturnsToTheDialog() {
    QFETCH(QString, then);
    Sandbox sandbox;
    const QString open = sandbox.blankTable("t.TFL", 4);
    const QString other = sandbox.blankTable("other.TFL", 6);
    const QByteArray otherBefore = fileBytes(other);
    const QString fresh = sandbox.path("fresh.TFL");
    frmtable *window = openWithAResult(sandbox, open);

    sandbox.prompter.queueFile(other);
    sandbox.prompter.queueAnswer(Answer::No); // do not replace
    if (then == "cancel") {
        sandbox.prompter.queueFile(std::nullopt);
    } else if (then == "new name") {
        sandbox.prompter.queueFile(fresh);
        sandbox.prompter.queueAnswer(Answer::Yes); // Сохранить?
    } else {
        sandbox.prompter.queueFile(other);
        sandbox.prompter.queueAnswer(Answer::No);
        sandbox.prompter.queueFile(std::nullopt);
    }
    window->mnusaveas_Click();

    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked[1].text, replaceQuestion(other));
    // The dialog opens again on the name the user chose, so that only the name need change.
    QCOMPARE(asked[2].kind, Kind::File);
    QCOMPARE(asked[2].mode, platform::FileMode::Save);
    QCOMPARE(asked[2].defaultAnswer, other);
    QVERIFY(sandbox.prompter.allAnswersUsed());
    QCOMPARE(sandbox.prompter.unexpected(), 0);
    QCOMPARE(fileBytes(other), otherBefore);

    if (then == "new name") {
        QCOMPARE(asked.size(), 5);
        QCOMPARE(asked[3].text, QStringLiteral("Сохранить?"));
        QCOMPARE(readBack(fresh)->crossTables[1].cells[1][2], QStringLiteral("2: 1"));
        QCOMPARE(window->league().tablePath, fresh);
    } else {
        QCOMPARE(asked.size(), then == "cancel" ? 3 : 5);
        QVERIFY(!sandbox.prompter.askedTexts().contains(QStringLiteral("Сохранить?")));
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(window->league().tablePath, open);
    }
}

// A name that no file has yet: the same questions as ever, file dialog and "Сохранить?".
void TestMainWindowSaveAs::newFileIsNotAsked() {
    Sandbox sandbox;
    frmtable *window = openWithAResult(sandbox, sandbox.blankTable("t.TFL", 4));
    const QString fresh = sandbox.path("fresh.TFL");
    sandbox.prompter.queueFile(fresh);
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->mnusaveas_Click();
    QCOMPARE(sandbox.prompter.askedTexts(),
             QStringList({QString(), QStringLiteral("Сохранить?"), QStringLiteral("Сохранено")}));
    QCOMPARE(sandbox.prompter.asked()[0].defaultAnswer, QString());
    QCOMPARE(readBack(fresh)->crossTables[1].cells[1][2], QStringLiteral("2: 1"));
}

QTEST_MAIN(TestMainWindowSaveAs)
#include "tst_ui_frmtable_saveas.moc"
