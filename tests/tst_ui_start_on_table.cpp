// The start of soccer on a table named on its command line: the main window on that table, or
// the reason it could not be loaded followed by the open-table dialog, never the end.
#include "tst_kit_windows.h"
#include "ui/app/navigation.h"

using namespace testkit;

class TestStartTable : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(frmtable::current() == nullptr); }
    void cleanup() { deleteAllWindows(); }

    void tableOpensInTheMainWindow();
    void unreadableTableIsReportedAndTheOpenDialogFollows_data();
    void unreadableTableIsReportedAndTheOpenDialogFollows();
};

void TestStartTable::tableOpensInTheMainWindow() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable(QStringLiteral("season.TFL"), 6);
    navigation::startWith(path);
    frmtable *window = frmtable::current();
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Тарвел - ") + shown(path));
    QCOMPARE(window->league().teamCount, 6);
    QCOMPARE(frmopen::pros(), path); // as OK in the open-table dialog hands it over
    QVERIFY(frmopen::current() == nullptr);
    QCOMPARE(sandbox.prompter.asked().size(), 0);
}

void TestStartTable::unreadableTableIsReportedAndTheOpenDialogFollows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // nothing is written for an empty content
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "none.TFL" << QByteArray() << "файл не найден (ошибка № 53)";
    QTest::newRow("cut short") << "short.TFL" << QByteArray("4\r\n\r\n")
                               << "в файле не хватает данных (ошибка № 62)";
    QTest::newRow("count is text")
        << "text.TFL" << QByteArray("четыре\r\n")
        << "в файле стоит текст там, где должно быть число (ошибка № 13)";
    QTest::newRow("count over 99")
        << "big.TFL" << QByteArray("120\r\n") << "число команд в файле не от 1 до 99 (ошибка № 9)";
}

void TestStartTable::unreadableTableIsReportedAndTheOpenDialogFollows() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    Sandbox sandbox;
    const QString path = sandbox.path(name);
    if (!content.isEmpty())
        putFile(path, content);

    navigation::startWith(path);

    QCOMPARE(sandbox.prompter.asked().size(), 1);
    const platform::ScriptedPrompter::Asked &report = sandbox.prompter.asked().first();
    QCOMPARE(report.text, QStringLiteral("Таблица не открыта.\nФайл: ") + shown(path) +
                              QStringLiteral("\nПричина: ") + reason + QStringLiteral("."));
    QCOMPARE(report.title, QStringLiteral("Тарвел"));
    QCOMPARE(report.icon, platform::Icon::Critical);
    QVERIFY(!sandbox.prompter.ended());
    QVERIFY(frmtable::current() == nullptr);
    // The open-table dialog shows the table's folder, where the user may pick another.
    frmopen *dialog = frmopen::current();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->folder(), QDir::cleanPath(sandbox.dir.path()));
}

QTEST_MAIN(TestStartTable)
#include "tst_ui_start_on_table.moc"
