// Saving onto a disk with no room left, through the windows: the main window's Save, the
// options dialog's OK and the new-table dialog's OK each report the full disk, never say
// "Сохранено", and leave the files on the disk as they were.
#include "tst_fulldisk.h"
#include "tst_kit_mainwindow.h"

#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmoption.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace testkit;
using platform::Answer;

namespace {

void checkFullDiskReported(const platform::ScriptedPrompter &prompter) {
    QCOMPARE(prompter.asked().size(), prompter.askedTexts().contains("Сохранить?") ? 2 : 1);
    const platform::ScriptedPrompter::Asked &report = prompter.asked().last();
    QCOMPARE(report.icon, platform::Icon::Critical);
    QCOMPARE(report.title, QStringLiteral("Тарвел"));
    QVERIFY2(report.text.contains(QStringLiteral("диск переполнен")), qPrintable(report.text));
    QVERIFY(!prompter.askedTexts().contains(QStringLiteral("Сохранено")));
    QVERIFY(!prompter.ended());
}

} // namespace

class TestWindowsOnAFullDisk : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const QString why = disk_.mount(1024 * 1024);
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }
    void init() {
        disk_.empty();
        frmopen::pros() = QStringLiteral("c:\\1.txt");
    }
    void cleanup() { deleteAllWindows(); }
    void cleanupTestCase() { disk_.unmount(); }

    void saveOfTheMainWindow_data();
    void saveOfTheMainWindow();
    void okOfTheOptionsDialog();
    void okOfTheNewTableDialog();

  private:
    fulldisk::SmallDisk disk_;
};

void TestWindowsOnAFullDisk::saveOfTheMainWindow_data() {
    QTest::addColumn<int>("teams");
    QTest::newRow("4 teams") << 4;
    QTest::newRow("20 teams") << 20;
    QTest::newRow("99 teams") << 99;
}

void TestWindowsOnAFullDisk::saveOfTheMainWindow() {
    QFETCH(int, teams);
    Sandbox sandbox;
    const QString path = disk_.path("t.TFL");
    soccer::writeBlankTable(path, teams);
    frmtable *window = sandbox.open(path);
    QVERIFY(window);
    sandbox.prompter.queueInput(QStringLiteral("2 1"));
    grid(window, "MS")->setCurrentCell(1, 3);
    window->MS_Click();
    QCOMPARE(grid(window, "MS")->text(1, 3), QStringLiteral(" 2: 1"));
    const auto before = disk_.files();
    QVERIFY(disk_.fill());

    sandbox.prompter.clear();
    sandbox.prompter.queueAnswer(Answer::Yes);
    control<QAction>(window, "mnusave")->trigger();

    checkFullDiskReported(sandbox.prompter);
    QCOMPARE(sandbox.prompter.askedTexts().first(), QStringLiteral("Сохранить?"));
    QCOMPARE(disk_.files(), before);
    QVERIFY(window->isVisible());
    QCOMPARE(grid(window, "MS")->text(1, 3), QStringLiteral(" 2: 1"));
}

void TestWindowsOnAFullDisk::okOfTheOptionsDialog() {
    Sandbox sandbox;
    soccer::setProgramFolder(disk_.path());
    soccer::writeOptionsFile(soccer::optionsFilePath(), soccer::ColorScheme::standard());
    frmoption *dialog = frmoption::create();
    control<QScrollBar>(dialog, "hr")->setValue(10);
    const auto before = disk_.files();
    QVERIFY(disk_.fill());

    QTest::mouseClick(control<QPushButton>(dialog, "cmdok"), Qt::LeftButton);

    checkFullDiskReported(sandbox.prompter);
    QCOMPARE(disk_.files(), before);
    QVERIFY(dialog->isVisible());
}

// Before the mend the dialog made a 0-byte table, which the main window then refused and the
// program ended.
void TestWindowsOnAFullDisk::okOfTheNewTableDialog() {
    Sandbox sandbox;
    soccer::setProgramFolder(disk_.path());
    frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
    control<QLineEdit>(dialog, "txtnam")->setText(QStringLiteral("Liga"));
    const auto before = disk_.files();
    QVERIFY(disk_.fill());

    QTest::mouseClick(control<QPushButton>(dialog, "cmdok"), Qt::LeftButton);

    checkFullDiskReported(sandbox.prompter);
    QCOMPARE(disk_.files(), before);
    QVERIFY(!QFileInfo::exists(disk_.path("Liga.TFL")));
    QVERIFY(dialog->isVisible());
    QVERIFY(!frmtable::current());
}

QTEST_MAIN(TestWindowsOnAFullDisk)
#include "tst_ui_fulldisk.moc"
