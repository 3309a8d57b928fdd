// Save when another window or program has written the table's file since this window read
// or saved it: the question before writing over it, and what each answer leaves on the disk.
#include "tst_kit_leaving.h"

using namespace testkit;
using platform::Answer;

class TestChangedTableFile : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void saveAsksBeforeWritingOverAnotherWriter_data();
    void saveAsksBeforeWritingOverAnotherWriter();
    void saveAsTakesTheNewFilesFingerprint();
    void refusedOverwriteKeepsTheProgramRunning_data();
    void refusedOverwriteKeepsTheProgramRunning();
};

void TestChangedTableFile::saveAsksBeforeWritingOverAnotherWriter_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<Answer>("overwrite"); // Answer::Ok: not asked
    QTest::newRow("other names, same size, no") << "same size" << Answer::No;
    QTest::newRow("other names, same size, yes") << "same size" << Answer::Yes;
    QTest::newRow("another table, no") << "another table" << Answer::No;
    QTest::newRow("another table, yes") << "another table" << Answer::Yes;
    QTest::newRow("the same bytes written again") << "same bytes" << Answer::Ok;
    QTest::newRow("deleted") << "deleted" << Answer::Ok;
    QTest::newRow("untouched") << "none" << Answer::Ok;
}

void TestChangedTableFile::saveAsksBeforeWritingOverAnotherWriter() {
    QFETCH(QString, writer);
    QFETCH(Answer, overwrite);
    Sandbox sandbox;
    QString path;
    frmtable *window = openTable(sandbox, true, &path);
    const QByteArray before = fileBytes(path);
    if (writer == "same size")
        soccer::writeTableFile(path, *namedLeague({"Альфб", "Бета", "Вега", "Гамма"}));
    else if (writer == "another table")
        soccer::writeBlankTable(path, 5);
    else if (writer == "same bytes")
        putFile(path, before);
    else if (writer == "deleted")
        QVERIFY(QFile::remove(path));
    const QByteArray others = fileBytes(path);
    if (writer == "same size")
        QCOMPARE(others.size(), before.size());
    const bool asks = overwrite != Answer::Ok;

    sandbox.prompter.queueAnswer(Answer::Yes);
    if (asks)
        sandbox.prompter.queueAnswer(overwrite);
    window->prosave();

    QStringList expected = {kSave};
    if (asks)
        expected << kOverwrite;
    if (overwrite != Answer::No)
        expected << kSaved;
    QCOMPARE(messageTexts(sandbox.prompter), expected);
    if (asks) {
        QCOMPARE(sandbox.prompter.asked()[1].buttons, platform::Buttons::YesNo);
        QCOMPARE(sandbox.prompter.asked()[1].title, QStringLiteral("Тарвел"));
    }
    QVERIFY(window->isVisible());
    if (overwrite == Answer::No) {
        QCOMPARE(fileBytes(path), others);
        QVERIFY(window->league().crossTables[1].cells[1][2] == QStringLiteral(" 2: 1"));
    } else {
        QCOMPARE(readBack(path)->crossTables[1].cells[1][2], QStringLiteral("2: 1"));
    }

    // Written or not, the next save knows: after our write nothing is asked, after Нет the
    // other writer's file is still not ours.
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->prosave();
    QCOMPARE(messageTexts(sandbox.prompter).contains(kOverwrite), overwrite == Answer::No);
    QCOMPARE(readBack(path)->crossTables[1].cells[1][2], QStringLiteral("2: 1"));
}

// Save as writes over a file only after its own replace question, so the changed-file
// question is not asked; from then on the file written is the one watched.
void TestChangedTableFile::saveAsTakesTheNewFilesFingerprint() {
    Sandbox sandbox;
    QString path;
    frmtable *window = openTable(sandbox, true, &path);
    soccer::writeBlankTable(path, 5);
    const QString copy = sandbox.path("copy.TFL");
    sandbox.prompter.queueFile(copy);
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->mnusaveas_Click();
    QCOMPARE(messageTexts(sandbox.prompter), QStringList({kSave, kSaved}));
    QCOMPARE(readBack(copy)->teamCount, 4);
    QCOMPARE(readBack(path)->teamCount, 5);

    soccer::writeBlankTable(copy, 7);
    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::Yes);
    sandbox.prompter.queueAnswer(Answer::No);
    window->prosave();
    QCOMPARE(messageTexts(sandbox.prompter), QStringList({kSave, kOverwrite}));
    QCOMPARE(readBack(copy)->teamCount, 7);

    sandbox.prompter.clear();
    sandbox.prompter.queueFile(copy);
    sandbox.prompter.queueAnswer(Answer::Yes); // replace
    sandbox.prompter.queueAnswer(Answer::Yes); // save
    window->mnusaveas_Click();
    QCOMPARE(messageTexts(sandbox.prompter).mid(1), QStringList({kSave, kSaved}));
    QVERIFY(messageTexts(sandbox.prompter)[0].contains(QStringLiteral("Заменить")));
    QCOMPARE(readBack(copy)->teamCount, 4);

    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->prosave();
    QCOMPARE(messageTexts(sandbox.prompter), QStringList({kSave, kSaved}));
}

void TestChangedTableFile::refusedOverwriteKeepsTheProgramRunning_data() {
    QTest::addColumn<Way>("way");
    QTest::newRow("exit") << Way::Exit;
    QTest::newRow("frame") << Way::Frame;
}

void TestChangedTableFile::refusedOverwriteKeepsTheProgramRunning() {
    QFETCH(Way, way);
    Sandbox sandbox;
    QString path;
    QPointer<frmtable> window = openTable(sandbox, true, &path);
    soccer::writeBlankTable(path, 5);
    const QByteArray others = fileBytes(path);
    for (Answer answer : {Answer::Yes, Answer::Yes, Answer::Yes, Answer::No})
        sandbox.prompter.queueAnswer(answer);

    leave(window, way);

    QCOMPARE(messageTexts(sandbox.prompter), QStringList({kQuit, kSaveChanges, kSave, kOverwrite}));
    QVERIFY(!left(sandbox, window, way));
    QVERIFY(!sandbox.prompter.ended());
    QCOMPARE(fileBytes(path), others);
    QCOMPARE(window->league().crossTables[1].cells[1][2], QStringLiteral(" 2: 1"));
}

QTEST_MAIN(TestChangedTableFile)
#include "tst_ui_frmtable_overwrite.moc"
