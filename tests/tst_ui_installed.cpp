// The windows of an installed soccer (bin/ beside share/soccer/, here in a temporary folder
// with an empty home): the open-table dialog starts in the user's tables folder, a new table
// and saved colours go to the user's folders, and the help names the installed page.
#include "tst_kit_installation.h"
#include "tst_kit_windows.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmoption.h"

#include <QLineEdit>

using namespace testkit;

namespace {

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

} // namespace

class TestInstalledWindows : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void openDialogStartsInTheUsersTables();
    void newTableAndColoursGoToTheUsersFolders();
    void helpNamesTheInstalledPage();
};

void TestInstalledWindows::openDialogStartsInTheUsersTables() {
    Installation installed;
    platform::ScriptedPrompter prompter;
    navigation::start();
    QVERIFY(frmopen::current());
    QCOMPARE(frmopen::current()->folder(), installed.path("home/Documents/soccer"));
    QVERIFY(QFileInfo(installed.path("home/Documents/soccer")).isDir());
    QCOMPARE(prompter.asked().size(), 0);
}

void TestInstalledWindows::newTableAndColoursGoToTheUsersFolders() {
    Installation installed;
    putFile(installed.path("prefix/share/soccer/option.dat"),
            " 10  20  30 \r\n 40  50  60 \r\n 70  80  90 \r\n");
    platform::ScriptedPrompter prompter;
    frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
    control<QLineEdit>(dialog, "txtnam")->setText(QStringLiteral("sezon"));
    click(dialog, "cmdok");
    const QString table = installed.path("home/Documents/soccer/sezon.TFL");
    QVERIFY(QFileInfo(table).isFile());
    QVERIFY(frmtable::current());
    QCOMPARE(frmtable::current()->windowTitle(), QStringLiteral("Тарвел - ") + table);

    // The options dialog shows the delivered colours until the user saves some.
    frmoption *options = frmoption::create();
    click(options, "cmdok");
    QCOMPARE(testkit::fileBytes(installed.path("home/config/soccer/option.dat")),
             QByteArray(" 10  20  30 \r\n 40  50  60 \r\n 70  80  90 \r\n"));

    QCOMPARE(entries(installed.path("prefix/bin")), QStringList());
    QCOMPARE(entries(installed.path("prefix/share/soccer")),
             QStringList({"classic", "option.dat"}));
    QCOMPARE(prompter.asked().size(), 0);
}

void TestInstalledWindows::helpNamesTheInstalledPage() {
    Installation installed;
    putFile(installed.path("prefix/share/soccer/help.html"), "<html></html>");
    platform::ScriptedPrompter prompter;
    soccer::writeBlankTable(installed.path("home/t.TFL"), 4);
    frmopen::pros() = installed.path("home/t.TFL");
    frmtable *window = navigation::tableChosen();
    QVERIFY(window);
    control<QAction>(window, "mnuhelp")->trigger();
    QCOMPARE(prompter.askedTexts(), QStringList({QStringLiteral("Откройте файл ") +
                                                 installed.path("prefix/share/soccer/help.html")}));
}

QTEST_MAIN(TestInstalledWindows)
#include "tst_ui_installed.moc"
