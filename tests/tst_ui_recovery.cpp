// soccer's recovery copy and its one window per table: when the copy is written and removed,
// the question that offers it, the question about a table open in another window, and the
// ways back that keep the open table (Отмена after New, a Save as not saved).
#include "tst_kit_leaving.h"

#include "core/files/filefingerprint.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/tablerecovery.h"

#include <QAction>

using namespace testkit;
using platform::Answer;

namespace {

using Step = std::function<void(Sandbox &, frmtable *)>;

std::optional<soccer::RecoveryRecord> copyOf(const QString &table) {
    const soccer::RecoveryFound found = soccer::RecoveryStore().find(table);
    return found.records.empty() ? std::nullopt : std::optional(found.records.front());
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestTableRecovery : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    // The copy is there while the window holds changes the file does not, and only then.
    void copyFollowsUnsavedChanges_data() {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("copyLeft");
        QTest::newRow("a result entered") << Step([](Sandbox &, frmtable *) {}) << true;
        QTest::newRow("saved") << Step([](Sandbox &s, frmtable *w) {
            s.prompter.queueAnswer(Answer::Yes);
            w->prosave();
        }) << false;
        QTest::newRow("undone") << Step([](Sandbox &, frmtable *w) { w->proundo(); }) << false;
        QTest::newRow("undone and redone") << Step([](Sandbox &, frmtable *w) {
            w->proundo();
            w->proredo();
        }) << true;
        QTest::newRow("Нет to saving on exit") << Step([](Sandbox &s, frmtable *w) {
            s.prompter.queueAnswer(Answer::Yes);
            s.prompter.queueAnswer(Answer::No);
            w->proexit();
        }) << false;
        QTest::newRow("exit not confirmed")
            << Step([](Sandbox &, frmtable *w) { w->proexit(); }) << true;
    }
    void copyFollowsUnsavedChanges() {
        QFETCH(Step, step);
        QFETCH(bool, copyLeft);
        Sandbox sandbox;
        QString path;
        frmtable *window = openTable(sandbox, true, &path);
        step(sandbox, window);
        window->recovery()->flush();
        const std::optional<soccer::RecoveryRecord> copy = copyOf(path);
        QCOMPARE(copy.has_value(), copyLeft);
        // The copy holds what a save would write now.
        if (copy)
            QCOMPARE(copy->parts.front().bytes, soccer::tableBytes(window->league()));
    }

    // Да: the copy's table as unsaved changes; Нет: the file's, and the copy set aside.
    void copyOfferedWhenTheTableOpens_data() {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<bool>("fileChanged");
        QTest::newRow("Да") << true << false;
        QTest::newRow("Нет") << false << false;
        QTest::newRow("Да, file changed since") << true << true;
    }
    void copyOfferedWhenTheTableOpens() {
        QFETCH(bool, restore);
        QFETCH(bool, fileChanged);
        Sandbox sandbox;
        QString path;
        frmtable *window = openTable(sandbox, true, &path);
        // As the copy holds the table: written out and read back.
        soccer::League entered;
        soccer::parseTable(soccer::tableBytes(window->league()), entered);
        window->recovery()->flush();
        delete window; // as a killed program leaves it: the copy stays
        const QByteArray file = fileBytes(path);
        if (fileChanged)
            putFile(path, file + " ");
        sandbox.prompter.queueAnswer(restore ? Answer::Yes : Answer::No);
        window = sandbox.open(path);
        const QString question = sandbox.prompter.asked().value(0).text;
        QVERIFY2(question.startsWith(QStringLiteral("Найдены несохранённые изменения таблицы ") +
                                     shown(path) + QStringLiteral(" от ")),
                 qPrintable(question));
        QVERIFY(question.contains(QStringLiteral("Восстановить их?")));
        QCOMPARE(question.contains(QStringLiteral("Файл таблицы изменён")), fileChanged);
        QCOMPARE(window->league().crossTables[1].cells == entered.crossTables[1].cells, restore);
        QCOMPARE(window->findChild<LeagueDocument *>()->isModified(), restore);
        QCOMPARE(QFile::exists(soccer::RecoveryStore().asidePath(path)), !restore);
        QCOMPARE(fileBytes(path).left(file.size()), file);
    }

    // A second window on a table is asked; read-only saves nothing and keeps no copy.
    void tableOpenElsewhereIsAskedAbout_data() {
        QTest::addColumn<int>("choice");
        QTest::newRow("Открыть только для чтения") << 0;
        QTest::newRow("Открыть всё равно") << 1;
        QTest::newRow("Отмена") << 2;
    }
    void tableOpenElsewhereIsAskedAbout() {
        QFETCH(int, choice);
        Sandbox sandbox;
        const QString path = sandbox.blankTable(QStringLiteral("t.TFL"), 4);
        const soccer::TableLock otherWindow(path);
        sandbox.prompter.queueChoice(choice);
        frmtable *window = sandbox.open(path);
        QCOMPARE(sandbox.prompter.asked().value(0).text,
                 QStringLiteral("Таблица ") + shown(path) +
                     QStringLiteral(" уже открыта в другом окне программы."));
        QCOMPARE(window != nullptr, choice != 2);
        if (!window)
            return;
        QCOMPARE(window->isReadOnly(), choice == 0);
        QAction *save = window->findChild<QAction *>(QStringLiteral("mnusave"));
        QCOMPARE(save->isEnabled(), choice != 0);
        QCOMPARE(save->toolTip().startsWith(QStringLiteral("Таблица открыта только для чтения")),
                 choice == 0);
        const QByteArray before = fileBytes(path);
        enterScore(sandbox, window, 1, 3, QStringLiteral("2 1"));
        sandbox.prompter.queueAnswer(Answer::Yes);
        window->prosave();
        window->recovery()->flush();
        QCOMPARE(fileBytes(path) == before, choice == 0);
        QVERIFY(!copyOf(path));
    }

    // New, Нет to saving, then Отмена in the new-table dialog: the table that was open, as
    // it was, however the dialogs last named another.
    void cancelledNewTableKeepsTheOpenTable() {
        Sandbox sandbox;
        frmtable *window = openTable(sandbox, true);
        frmopen::pros() = sandbox.blankTable(QStringLiteral("other.TFL"), 6);
        sandbox.prompter.queueAnswer(Answer::No);
        window->mnunew_Click();
        click(QApplication::activeModalWidget() ? QApplication::activeModalWidget() : findDialog(),
              "cmdotm");
        QCOMPARE(frmtable::current(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->league().teamCount, 4);
        QVERIFY(window->findChild<LeagueDocument *>()->isModified());
    }

    // Save as to a file that is then not written leaves the table where it was.
    void saveAsMovesThePathOnlyWhenSaved_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Да") << Answer::Yes;
        QTest::newRow("Нет") << Answer::No;
    }
    void saveAsMovesThePathOnlyWhenSaved() {
        QFETCH(Answer, answer);
        Sandbox sandbox;
        QString path;
        frmtable *window = openTable(sandbox, true, &path);
        const QString other = sandbox.path(QStringLiteral("other.TFL"));
        sandbox.prompter.queueFile(other);
        sandbox.prompter.queueAnswer(answer);
        window->mnusaveas_Click();
        QCOMPARE(window->league().tablePath, answer == Answer::Yes ? other : path);
        QCOMPARE(QFile::exists(other), answer == Answer::Yes);
    }

  private:
    static QWidget *findDialog() {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->objectName() != QStringLiteral("frmtable"))
                return widget;
        qFatal("no dialog");
    }
};

QTEST_MAIN(TestTableRecovery)
#include "tst_ui_recovery.moc"
