// The open-table dialog: the lists follow the folder and the type, a click names the file, and
// OK hands a path over only when it names a file.
#include "tst_kit_windows.h"

#include "core/files/tablefile.h"
#include "core/league/score.h"
#include "ui/dialogs/drives.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"
#include "ui/platform/look.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <memory>
#include <sys/stat.h>

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

QStringList itemTexts(QComboBox *box) {
    QStringList result;
    for (int index = 0; index < box->count(); ++index) {
        result << box->itemText(index);
    }
    return result;
}

// A name for each thing that is no table file: a folder, a named pipe, a device, links that go
// round or lead nowhere.
void makeThingsThatAreNoFiles(Sandbox &sandbox) {
    QVERIFY(::mkfifo(QFile::encodeName(sandbox.path(QStringLiteral("pipe.TFL"))), 0600) == 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), sandbox.path(QStringLiteral("null.TFL"))));
    QVERIFY(QFile::link(sandbox.path(QStringLiteral("loop2.TFL")),
                        sandbox.path(QStringLiteral("loop1.TFL"))));
    QVERIFY(QFile::link(sandbox.path(QStringLiteral("loop1.TFL")),
                        sandbox.path(QStringLiteral("loop2.TFL"))));
    QVERIFY(QFile::link(sandbox.path(QStringLiteral("gone.TFL")),
                        sandbox.path(QStringLiteral("dangling.TFL"))));
}

// What the real message box shows of its text, the first time one opens.
struct ShownMessage {
    bool seen = false;
    int labelWidth = 0;
    int widthNeeded = 0;
    int labelHeight = 0;
    int heightNeeded = 0;
    QRect box;
};

void watchForMessageBox(ShownMessage &shown) {
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, &shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        shown.seen = label != nullptr;
        if (label) {
            shown.labelWidth = label->width();
            shown.widthNeeded = label->minimumSizeHint().width();
            shown.labelHeight = label->height();
            shown.heightNeeded = label->heightForWidth(label->width());
        }
        shown.box = box->frameGeometry();
        box->close();
        watch->deleteLater();
    });
    watch->start(10);
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
    // The drive list sees a mount table and a home folder of the test's own, not the
    // machine's.
    void init() {
        frmopen::pros() = QStringLiteral("c:\\1.txt");
        drives::installMountedVolumes(QList<drives::Volume>{{QStringLiteral("/"), "ext4", {}}});
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    void cleanupTestCase() {
        drives::installMountedVolumes(std::nullopt);
        qputenv("HOME", homeBefore_);
    }

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
        QCOMPARE(drives->currentData().toString(), QStringLiteral("/"));
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

    void enterInTheNameBoxIsOk_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter of the keypad") << int(Qt::Key_Enter);
    }
    void enterInTheNameBoxIsOk() {
        QFETCH(int, key);
        Sandbox sandbox;
        soccer::writeBlankTable(sandbox.path(QStringLiteral("Liga.TFL")), 4);
        frmopen *dialog = frmopen::create();
        dialog->setFolder(sandbox.dir.path());
        auto *name = control<QLineEdit>(dialog, "txtname");
        QTest::keyClick(name, Qt::Key(key));
        QCOMPARE(sandbox.prompter.askedTexts(),
                 QStringList{QStringLiteral("Выберите файл в списке или введите его имя")});

        name->setText(QStringLiteral("Liga.TFL"));
        QTest::keyClick(name, Qt::Key(key));
        QCOMPARE(frmopen::pros(), sandbox.path(QStringLiteral("Liga.TFL")));
        QVERIFY(frmtable::current());
        QTRY_VERIFY(!frmopen::current());
    }

    // The real message box, not the scripted one: a file name longer than the box is wide
    // must wrap, not run out of the box.
    void longPathInAMessageIsWrapped() {
        Sandbox sandbox;
        const QString deep = sandbox.path(QString(70, QChar(0x0444)) + QStringLiteral("/") +
                                          QString(120, QChar(0x0436)));
        QVERIFY(QDir().mkpath(deep));
        frmopen *dialog = frmopen::create();
        dialog->setFolder(deep);
        control<QLineEdit>(dialog, "txtname")->setText(QStringLiteral("missing.TFL"));
        ShownMessage shown;
        watchForMessageBox(shown);
        platform::installPrompter(nullptr);
        click(dialog, "cmdok");
        platform::installPrompter(&sandbox.prompter);

        QVERIFY(shown.seen);
        QVERIFY2(
            shown.widthNeeded <= shown.labelWidth,
            qPrintable(QStringLiteral("%1 > %2").arg(shown.widthNeeded).arg(shown.labelWidth)));
        QVERIFY(shown.heightNeeded <= shown.labelHeight);
        QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(shown.box));
    }

    void listColumnsAre3135TwipsWide() {
        Sandbox sandbox;
        frmopen *dialog = frmopen::create();
        const int width = platform::twipsToPixelsX(3135);
        QWidget *files = control<QWidget>(dialog, "fil");
        QWidget *folders = control<QWidget>(dialog, "Dir");
        QCOMPARE(files->width(), width);
        QCOMPARE(folders->width(), width);
        QCOMPARE(files->y(), folders->y());
        QVERIFY(files->geometry().right() < folders->x());
        QVERIFY(dialog->rect().contains(folders->geometry()));
        for (const char *name : {"txtname", "cmbfile", "lfil", "Drive1"}) {
            QCOMPARE(control<QWidget>(dialog, name)->width(), width);
        }
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
                                  << "%1/Sub — это папка";
        // Opening a pipe would wait for a writer: the test would hang here.
        QTest::newRow("a named pipe") << "pipe.TFL"
                                      << "%1/pipe.TFL — это именованный канал";
        QTest::newRow("a device") << "null.TFL"
                                  << "%1/null.TFL — это устройство";
        QTest::newRow("a link loop") << "loop1.TFL"
                                     << "%1/loop1.TFL — ссылки образуют петлю";
        QTest::newRow("a link to nothing") << "dangling.TFL"
                                           << "Файл не найден:\n%1/dangling.TFL";
        QTest::newRow("a file taken for a folder") << "a.TFL/x.TFL"
                                                   << "Файл не найден:\n%1/a.TFL/x.TFL";
    }
    void nameOfNoFileIsRefused() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Sandbox sandbox;
        makeThingsThatAreNoFiles(sandbox);
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

        drives->setCurrentIndex(drives->findData(home_.path()));
        QCOMPARE(control<QLabel>(dialog, "lfil")->text(), home_.path());
        QVERIFY(sandbox.prompter.asked().isEmpty());
    }

    // "/" and the home folder are offered whatever the mount table says; a mount that is no
    // folder, and a home folder that does not exist, are not.
    void driveListOffersRootAndHome_data() {
        QTest::addColumn<QList<drives::Volume>>("mounted");
        QTest::addColumn<bool>("homeExists");
        QTest::addColumn<QStringList>("expected"); // %h: the home folder, %s: the sandbox
        const auto pseudo = [](const char *root, const char *type) {
            return drives::Volume{QString::fromLatin1(root), QString::fromLatin1(type), {}};
        };
        QTest::newRow("chroot: the mount table names nothing visible")
            << QList<drives::Volume>{pseudo("/proc", "proc"), pseudo("/sys", "sysfs"),
                                     pseudo("/dev/pts", "devpts")}
            << true << QStringList{"/", "%h"};
        QTest::newRow("no home folder") << QList<drives::Volume>{} << false << QStringList{"/"};
        QTest::newRow("a file mounted on its own, a volume with a name")
            << QList<drives::Volume>{{QStringLiteral("%s/hosts"), "ext4", {}},
                                     {QStringLiteral("%s/usb"), "vfat", QStringLiteral("USB")}}
            << true << QStringList{"/", "%h", "%s/usb  [USB]"};
    }
    void driveListOffersRootAndHome() {
        QFETCH(QList<drives::Volume>, mounted);
        QFETCH(bool, homeExists);
        QFETCH(QStringList, expected);
        Sandbox sandbox;
        touch(sandbox.path(QStringLiteral("hosts")));
        QVERIFY(QDir(sandbox.dir.path()).mkdir(QStringLiteral("usb")));
        for (drives::Volume &volume : mounted) {
            volume.root.replace(QStringLiteral("%s"), sandbox.dir.path());
        }
        drives::installMountedVolumes(mounted);
        if (!homeExists) {
            qputenv("HOME", QFile::encodeName(sandbox.path(QStringLiteral("no-such-home"))));
        }
        frmopen *dialog = frmopen::create();
        for (QString &text : expected) {
            text.replace(QStringLiteral("%h"), home_.path())
                .replace(QStringLiteral("%s"), sandbox.dir.path());
        }
        QCOMPARE(itemTexts(control<QComboBox>(dialog, "Drive1")), expected);
        QVERIFY(sandbox.prompter.asked().isEmpty());
    }

    // The drive shown is the one with the longest root that holds the folder.
    void folderShowsTheDriveThatHoldsIt() {
        Sandbox sandbox;
        QVERIFY(QDir(sandbox.dir.path()).mkpath(QStringLiteral("volume/inner")));
        const QString volume = sandbox.path(QStringLiteral("volume"));
        drives::installMountedVolumes(
            QList<drives::Volume>{{QStringLiteral("/"), "ext4", {}}, {volume, "ext4", {}}});
        frmopen *dialog = frmopen::create();
        auto *drives = control<QComboBox>(dialog, "Drive1");
        dialog->setFolder(sandbox.path(QStringLiteral("volume/inner")));
        QCOMPARE(drives->currentData().toString(), volume);
        dialog->setFolder(sandbox.dir.path());
        QCOMPARE(drives->currentData().toString(), QStringLiteral("/"));
        dialog->setFolder(home_.path());
        QCOMPARE(drives->currentData().toString(), home_.path());
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

  private:
    QTemporaryDir home_;
    QByteArray homeBefore_ = qgetenv("HOME");
};

QTEST_MAIN(OpenTableDialogTest)
#include "tst_ui_dialogs_open.moc"
