// The open-table dialog: the lists follow the folder and the type, a click names the file, and
// OK hands a path over only when it names a file.
#include "tst_kit_windows.h"

#include "core/score.h"
#include "core/tablefile.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStorageInfo>
#include <memory>

using namespace testkit;

namespace {

void touch(const QString &path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList texts(QListWidget *list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

QListWidgetItem *itemNamed(QListWidget *list, const QString &text) {
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void clickItem(QListWidget *list, const QString &text, bool twice = false) {
    QListWidgetItem *item = itemNamed(list, text);
    QVERIFY2(item, qPrintable(text));
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice) {
        // The view takes a double click only on the item that the first click pressed.
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }
}

// A folder with tables of every type, another file and a subfolder.
frmopen *openOnSampleFolder(Sandbox &sandbox) {
    for (const char *name : {"a.TFL", "b.tfl", "c.TXT", "d.DAT", "e.TFL.bak"}) {
        touch(sandbox.path(QString::fromLatin1(name)));
    }
    QDir(sandbox.dir.path()).mkdir(QStringLiteral("Sub"));
    touch(sandbox.path(QStringLiteral("Sub/inner.TFL")));
    frmopen *dialog = frmopen::create();
    dialog->setFolder(sandbox.dir.path());
    return dialog;
}

} // namespace

class OpenTableDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { frmopen::pros() = QStringLiteral("c:\\1.txt"); }

    void startsInTheCurrentFolder() {
        Sandbox sandbox;
        frmopen *dialog = frmopen::create();
        QCOMPARE(frmopen::current(), dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Открыть файл"));
        QCOMPARE(control<QLineEdit>(dialog, "txtname")->text(), QStringLiteral("*.TFL"));
        QCOMPARE(control<QAbstractButton>(dialog, "cmdotm")->text(), QStringLiteral("Выход"));
        QCOMPARE(control<QAbstractButton>(dialog, "cmdnew")->text(), QStringLiteral("Новая"));
        QCOMPARE(control<QLabel>(dialog, "lfil")->text(), QDir::currentPath());
        auto *drives = control<QComboBox>(dialog, "Drive1");
        QCOMPARE(drives->currentData().toString(), QStorageInfo(QDir::currentPath()).rootPath());
        auto *types = control<QComboBox>(dialog, "cmbfile");
        QCOMPARE(types->count(), 3);
        QCOMPARE(types->itemText(0), QStringLiteral("Таблицы          (*.TFL)"));
        QCOMPARE(types->itemText(1), QStringLiteral("Текстовые файлы  (*.TXT)"));
        QCOMPARE(types->itemText(2), QStringLiteral("DATA файлы       (*.DAT)"));
        QCOMPARE(frmopen::pros(), QStringLiteral("c:\\1.txt"));
    }

    void fileListFollowsTheType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("tables, any case") << 0 << QStringList{"a.TFL", "b.tfl"};
        QTest::newRow("text files") << 1 << QStringList{"c.TXT"};
        QTest::newRow("data files, option.dat too") << 2 << QStringList{"d.DAT", "option.dat"};
    }
    void fileListFollowsTheType() {
        QFETCH(int, type);
        QFETCH(QStringList, files);
        Sandbox sandbox;
        frmopen *dialog = openOnSampleFolder(sandbox);
        control<QComboBox>(dialog, "cmbfile")->setCurrentIndex(type);
        QCOMPARE(texts(control<QListWidget>(dialog, "fil")), files);
    }

    void typeEditedByHandKeepsThePattern() {
        Sandbox sandbox;
        frmopen *dialog = openOnSampleFolder(sandbox);
        auto *types = control<QComboBox>(dialog, "cmbfile");
        types->setCurrentIndex(1);
        types->setEditText(QStringLiteral("*.DAT"));
        QCOMPARE(texts(control<QListWidget>(dialog, "fil")), QStringList{"c.TXT"});
    }

    void folderListEntersAndLeaves() {
        Sandbox sandbox;
        frmopen *dialog = openOnSampleFolder(sandbox);
        auto *folders = control<QListWidget>(dialog, "Dir");
        QCOMPARE(texts(folders), (QStringList{"..", "Sub"}));

        clickItem(folders, QStringLiteral("Sub"), true);
        QCOMPARE(control<QLabel>(dialog, "lfil")->text(), sandbox.path(QStringLiteral("Sub")));
        QCOMPARE(texts(control<QListWidget>(dialog, "fil")), QStringList{"inner.TFL"});

        clickItem(folders, QStringLiteral(".."), true);
        QCOMPARE(control<QLabel>(dialog, "lfil")->text(), sandbox.dir.path());
    }

    void newFilesShowWithoutReopening() {
        Sandbox sandbox;
        frmopen *dialog = openOnSampleFolder(sandbox);
        touch(sandbox.path(QStringLiteral("late.TFL")));
        QTRY_VERIFY(texts(control<QListWidget>(dialog, "fil")).contains("late.TFL"));
    }

    void clickCopiesTheNameAndOkHandsThePathOver() {
        Sandbox sandbox;
        soccer::writeBlankTable(sandbox.path(QStringLiteral("Liga.TFL")), 4);
        frmopen *dialog = frmopen::create();
        dialog->setFolder(sandbox.dir.path());
        clickItem(control<QListWidget>(dialog, "fil"), QStringLiteral("Liga.TFL"));
        QCOMPARE(control<QLineEdit>(dialog, "txtname")->text(), QStringLiteral("Liga.TFL"));

        click(dialog, "cmdok");
        QCOMPARE(frmopen::pros(), sandbox.path(QStringLiteral("Liga.TFL")));
        QVERIFY(frmtable::current());
        QVERIFY(sandbox.prompter.asked().isEmpty());
        QTRY_VERIFY(!frmopen::current());
    }

    void doubleClickOpens() {
        Sandbox sandbox;
        soccer::writeBlankTable(sandbox.path(QStringLiteral("Liga.TFL")), 4);
        frmopen *dialog = frmopen::create();
        dialog->setFolder(sandbox.dir.path());
        clickItem(control<QListWidget>(dialog, "fil"), QStringLiteral("Liga.TFL"), true);
        QCOMPARE(frmopen::pros(), sandbox.path(QStringLiteral("Liga.TFL")));
        QVERIFY(frmtable::current());
    }

    void nameOfNoFileIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("the pattern") << "*.TFL"
                                     << "Выберите файл в списке или введите его имя";
        QTest::newRow("empty") << ""
                               << "Выберите файл в списке или введите его имя";
        QTest::newRow("missing file") << "missing.TFL"
                                      << "Файл не найден:\n%1/missing.TFL";
        QTest::newRow("a folder") << "Sub"
                                  << "Файл не найден:\n%1/Sub";
    }
    void nameOfNoFileIsRefused() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Sandbox sandbox;
        frmopen *dialog = openOnSampleFolder(sandbox);
        control<QLineEdit>(dialog, "txtname")->setText(name);
        click(dialog, "cmdok");

        QCOMPARE(sandbox.prompter.askedTexts(),
                 QStringList{message.replace(QStringLiteral("%1"), sandbox.dir.path())});
        QCOMPARE(sandbox.prompter.asked().first().title, QStringLiteral("Тарвел"));
        QCOMPARE(frmopen::pros(), QStringLiteral("c:\\1.txt"));
        QVERIFY(!frmtable::current());
        QVERIFY(dialog->isVisible());
        QVERIFY(!sandbox.prompter.ended());
    }

    void newShowsTheNewTableDialog() {
        Sandbox sandbox;
        frmopen *dialog = frmopen::create();
        click(dialog, "cmdnew");
        QTRY_VERIFY(!frmopen::current());
        bool newDialogShown = false;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            newDialogShown |= qobject_cast<frmnew *>(window) && window->isVisible();
        }
        QVERIFY(newDialogShown);
        QVERIFY(!sandbox.prompter.ended());
    }

    void exitEndsTheProgramWithoutAsking() {
        Sandbox sandbox;
        frmopen *dialog = frmopen::create();
        click(dialog, "cmdotm");
        QVERIFY(sandbox.prompter.ended());
        QCOMPARE(sandbox.prompter.asked().size(), 1);
    }

    void driveThatCannotBeReadEndsTheProgram() {
        Sandbox sandbox;
        frmopen *dialog = frmopen::create();
        auto *drives = control<QComboBox>(dialog, "Drive1");
        drives->addItem(QStringLiteral("X:"), QStringLiteral("/no/such/drive"));
        drives->setCurrentIndex(drives->count() - 1);

        QCOMPARE(sandbox.prompter.asked().size(), 2);
        const platform::ScriptedPrompter::Asked &report = sandbox.prompter.asked().first();
        QCOMPARE(report.text, QStringLiteral("Программа завершена"));
        QCOMPARE(report.title, QStringLiteral("Ошибка №  71"));
        QCOMPARE(report.icon, platform::Icon::Critical);
        QVERIFY(sandbox.prompter.ended());
    }

    void choosingADriveShowsItsRoot() {
        Sandbox sandbox;
        frmopen *dialog = frmopen::create();
        auto *drives = control<QComboBox>(dialog, "Drive1");
        // The sandbox stands in for a second drive, so the choice is a change whatever is
        // mounted on this machine.
        drives->addItem(QStringLiteral("T:"), sandbox.dir.path());
        drives->setCurrentIndex(drives->count() - 1);
        QCOMPARE(control<QLabel>(dialog, "lfil")->text(), sandbox.dir.path());

        drives->setCurrentIndex(drives->findData(QStringLiteral("/")));
        QCOMPARE(control<QLabel>(dialog, "lfil")->text(), QStringLiteral("/"));
        QVERIFY(!texts(control<QListWidget>(dialog, "Dir")).contains(".."));
        QVERIFY(sandbox.prompter.asked().isEmpty());
    }

    void deliveredDataOpens() {
        Sandbox sandbox;
        const QString delivered = QStringLiteral(SOCCER_DELIVERED_DATA);
        QCOMPARE(fileBytes(delivered + QStringLiteral("/option.dat")),
                 QByteArray(" 150  150  150 \r\n 200  200  200 \r\n 0  0  0 \r\n"));
        QVERIFY(QFile::copy(delivered + QStringLiteral("/primer.TFL"),
                            sandbox.path(QStringLiteral("primer.TFL"))));
        frmopen *dialog = frmopen::create();
        dialog->setFolder(sandbox.dir.path());
        clickItem(control<QListWidget>(dialog, "fil"), QStringLiteral("primer.TFL"), true);
        QVERIFY(frmtable::current());
        QVERIFY(sandbox.prompter.asked().isEmpty());
    }

    // The sample's statistics must be those its results give, in both halves.
    void deliveredSampleIsConsistent() {
        auto league = std::make_unique<soccer::League>();
        soccer::readTableFile(QStringLiteral(SOCCER_DELIVERED_DATA "/primer.TFL"), *league);
        QCOMPARE(league->teamCount, 6);
        QCOMPARE(league->teamNames[1], QStringLiteral("Спартак"));
        for (int half = 1; half <= 2; ++half) {
            const soccer::CrossTable &stored = league->crossTables[half];
            soccer::CrossTable recounted;
            int results = 0;
            for (int r = 1; r <= 6; ++r) {
                for (int c = r + 1; c <= 6; ++c) {
                    double x = 0, y = 0, back = 0, forth = 0;
                    if (!soccer::splitScoreText(stored.cells[r][c], x, y)) {
                        QVERIFY(stored.cells[c][r].isEmpty());
                        continue;
                    }
                    QVERIFY(soccer::splitScoreText(stored.cells[c][r], back, forth));
                    QCOMPARE(back, y);
                    QCOMPARE(forth, x);
                    soccer::countResult(recounted, r, c, x, y, 1);
                    ++results;
                }
            }
            QVERIFY(results >= 6);
            for (int team = 1; team <= 6; ++team) {
                QCOMPARE(stored.stats[team], recounted.stats[team]);
            }
        }
    }

    void paintedFromOptionFile() {
        Sandbox sandbox(unusualScheme());
        frmopen *dialog = frmopen::create();
        const QColor main(10, 20, 30), text(200, 210, 220);
        for (const char *name : {"lfil", "Label1", "Label2", "fil", "Dir", "txtname"}) {
            QCOMPARE(backgroundOf(control<QWidget>(dialog, name)), main);
            QCOMPARE(textColorOf(control<QWidget>(dialog, name)), text);
        }
        QCOMPARE(control<QWidget>(dialog, "cmdnew")->palette().color(QPalette::Button), main);
    }
};

QTEST_MAIN(OpenTableDialogTest)
#include "tst_ui_dialogs_open.moc"
