// The new-table dialog: the blank table it writes, the extension of the chosen type, the team
// count spinner, and where Cancel leads.
#include "tst_kit_windows.h"

#include "core/files/tablefile.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <sys/stat.h>

using namespace testkit;

namespace {

const QString kTflItem = QStringLiteral("Таблицы          (*.TFL)");
const QString kTxtItem = QStringLiteral("Текстовые файлы  (*.TXT)");
const QString kDatItem = QStringLiteral("DATA файлы       (*.DAT)");

// Clicks the upper or the lower arrow of a vertical scroll bar as the user sees them.
void clickArrow(QScrollBar *bar, bool upper) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    const QRect area = bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &option,
        upper ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
}

const QByteArray kOldTable = QByteArrayLiteral("old contents\r\n");

void writeOldTable(const QString &path) {
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QCOMPARE(old.write(kOldTable), kOldTable.size());
}

// One notch of an ordinary mouse wheel is 120; positive turns it away from the user (up).
void turnWheel(QWidget *target, int notches) {
    const int step = notches > 0 ? 120 : -120;
    for (int turned = 0; turned != notches; turned += step / 120) {
        const QPointF centre = QRectF(target->rect()).center();
        QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, step),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
}

void enterName(frmnew *dialog, const QString &name, const QString &type = kTflItem) {
    control<QLineEdit>(dialog, "txtnam")->setText(name);
    control<QComboBox>(dialog, "cmbfile")->setEditText(type);
}

} // namespace

class NewTableDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { frmopen::pros() = QStringLiteral("c:\\1.txt"); }

    void startsBlank() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Создание файла"));
        QCOMPARE(control<QLineEdit>(dialog, "txtnam")->text(), QString());
        QCOMPARE(control<QLabel>(dialog, "txtchis")->text(), QStringLiteral("4"));
        QCOMPARE(control<QComboBox>(dialog, "cmbfile")->currentText(), kTflItem);
    }

    void writesBlankTableOfFourTeams() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        click(dialog, "cmdok");

        const QString path = sandbox.path(QStringLiteral("Liga.TFL"));
        const QList<QByteArray> lines = fileLines(path);
        QCOMPARE(lines.size(), 45);
        QCOMPARE(lines.first(), QByteArray("4"));
        QCOMPARE(lines.at(1), QByteArray());
        QCOMPARE(lines.at(33), QByteArray(" 0  0  0  0  0  0  0 "));
        QCOMPARE(lines.at(41), QByteArray(" 1"));
        QCOMPARE(lines.last(), QByteArray(" 4"));
        QVERIFY(fileBytes(path).endsWith("\r\n"));
        QCOMPARE(frmopen::pros(), path);
        QVERIFY(frmtable::current());
        QVERIFY(!sandbox.prompter.ended());
        QTRY_VERIFY(!dialog->isVisible());
    }

    void extensionFollowsTheType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("tables") << "Liga" << kTflItem << "Liga.TFL";
        QTest::newRow("text files") << "Liga" << kTxtItem << "Liga.TXT";
        QTest::newRow("data files") << "Liga" << kDatItem << "Liga.DAT";
        QTest::newRow("appended even when present") << "Liga.TFL" << kTflItem << "Liga.TFL.TFL";
        QTest::newRow("type edited by hand") << "Liga"
                                             << "Таблицы (*.TFL)"
                                             << "Liga";
        QTest::newRow("type with one blank less") << "Liga"
                                                  << "Таблицы         (*.TFL)"
                                                  << "Liga";
    }
    void extensionFollowsTheType() {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, fileName);
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, name, type);
        click(dialog, "cmdok");

        QCOMPARE(control<QLineEdit>(dialog, "txtnam")->text(), fileName);
        QCOMPARE(QDir(sandbox.dir.path()).entryList({fileName}, QDir::Files),
                 QStringList{fileName});
        QCOMPARE(fileLines(sandbox.path(fileName)).size(), 45);
        QCOMPARE(frmopen::pros(), sandbox.path(fileName));
    }

    void arrowsMoveTheCountWithinFourAndNinetyNine() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        auto *spinner = control<QScrollBar>(dialog, "vscrl");
        auto *count = control<QLabel>(dialog, "txtchis");
        QCOMPARE(spinner->minimum(), 4);
        QCOMPARE(spinner->maximum(), 99);

        clickArrow(spinner, false);
        QCOMPARE(count->text(), QStringLiteral("4"));
        clickArrow(spinner, true);
        QCOMPARE(count->text(), QStringLiteral("5"));
        clickArrow(spinner, false);
        QCOMPARE(count->text(), QStringLiteral("4"));

        spinner->setValue(98);
        QCOMPARE(count->text(), QStringLiteral("98"));
        clickArrow(spinner, true);
        clickArrow(spinner, true);
        QCOMPARE(spinner->value(), 99);
        QCOMPARE(count->text(), QStringLiteral("99"));
    }

    void tabReachesEveryControlAsTheyAreRead() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QWidget *name = control<QWidget>(dialog, "txtnam");
        QTRY_COMPARE(QApplication::focusWidget(), name);
        const QList<QWidget *> expected = {
            control<QWidget>(dialog, "vscrl"), control<QWidget>(dialog, "cmbfile"),
            control<QWidget>(dialog, "cmdok"), control<QWidget>(dialog, "cmdotm"), name};
        auto *count = control<QLabel>(dialog, "txtchis");
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            // The type box's focus sits in its edit field.
            QCOMPARE(focused == next || focused->parentWidget() == next, true);
            // The scroll bar draws no focus; the count's frame shows it instead.
            QCOMPARE(count->lineWidth(), focused->objectName() == QStringLiteral("vscrl") ? 2 : 1);
        }
    }

    // The keys and the wheel step as the arrows do: up raises the count, within 4..99. The
    // arrows themselves are checked by arrowsMoveTheCountWithinFourAndNinetyNine.
    void keysAndWheelMoveTheCountAsTheArrowsDo_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key"); // 0: the wheel
        QTest::addColumn<int>("wheelNotches");
        QTest::addColumn<int>("expected");
        QTest::newRow("up") << 10 << int(Qt::Key_Up) << 0 << 11;
        QTest::newRow("down") << 10 << int(Qt::Key_Down) << 0 << 9;
        QTest::newRow("page up") << 10 << int(Qt::Key_PageUp) << 0 << 11;
        QTest::newRow("page down") << 10 << int(Qt::Key_PageDown) << 0 << 9;
        QTest::newRow("up at 99") << 99 << int(Qt::Key_Up) << 0 << 99;
        QTest::newRow("page up at 99") << 99 << int(Qt::Key_PageUp) << 0 << 99;
        QTest::newRow("down at 4") << 4 << int(Qt::Key_Down) << 0 << 4;
        QTest::newRow("page down at 4") << 4 << int(Qt::Key_PageDown) << 0 << 4;
        QTest::newRow("wheel up") << 10 << 0 << 1 << 11;
        QTest::newRow("wheel up twice") << 10 << 0 << 2 << 12;
        QTest::newRow("wheel down") << 10 << 0 << -1 << 9;
        QTest::newRow("wheel up at 99") << 99 << 0 << 1 << 99;
        QTest::newRow("wheel down at 4") << 4 << 0 << -1 << 4;
    }
    void keysAndWheelMoveTheCountAsTheArrowsDo() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, wheelNotches);
        QFETCH(int, expected);
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        auto *spinner = control<QScrollBar>(dialog, "vscrl");
        spinner->setValue(start);
        if (key) {
            // Reached as the user reaches it: Tab from the name box.
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(control<QLineEdit>(dialog, "txtnam"), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        } else {
            turnWheel(spinner, wheelNotches);
        }
        QCOMPARE(spinner->value(), expected);
        QCOMPARE(control<QLabel>(dialog, "txtchis")->text(), QString::number(expected));
    }

    void countOfTheLabelSizesTheTable() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        control<QScrollBar>(dialog, "vscrl")->setValue(99);
        enterName(dialog, QStringLiteral("Big"));
        click(dialog, "cmdok");
        const QList<QByteArray> lines = fileLines(sandbox.path(QStringLiteral("Big.TFL")));
        QCOMPARE(lines.size(), 1 + 2 * 99 * 99 + 3 * 99);
        QCOMPARE(lines.first(), QByteArray("99"));
        QCOMPARE(lines.last(), QByteArray(" 99"));
    }

    void refusedNamesWriteNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "Введите имя";
        QTest::newRow("folder in the name") << "../Liga"
                                            << "Имя таблицы не может содержать знаки / и \\";
        QTest::newRow("backslash") << "c:\\Liga"
                                   << "Имя таблицы не может содержать знаки / и \\";
    }
    void refusedNamesWriteNothing() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, name);
        click(dialog, "cmdok");

        QCOMPARE(sandbox.prompter.askedTexts(), QStringList{message});
        QCOMPARE(sandbox.prompter.asked().first().title, QStringLiteral("Тарвел"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(control<QLineEdit>(dialog, "txtnam")->text(), name);
        QCOMPARE(QDir(sandbox.dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("option.dat")});
        QCOMPARE(QDir(sandbox.dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(frmopen::pros(), QStringLiteral("c:\\1.txt"));
        QVERIFY(!frmtable::current());
    }

    void failedWriteIsReportedAndDialogStays() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        soccer::setProgramFolder(sandbox.path(QStringLiteral("gone")));
        enterName(dialog, QStringLiteral("Liga"));
        click(dialog, "cmdok");

        QCOMPARE(sandbox.prompter.asked().size(), 1);
        const platform::ScriptedPrompter::Asked &report = sandbox.prompter.asked().first();
        QCOMPARE(report.icon, platform::Icon::Critical);
        QVERIFY(report.text.contains(sandbox.path(QStringLiteral("gone/Liga.TFL"))));
        QVERIFY(!sandbox.prompter.ended());
        QVERIFY(dialog->isVisible());
        // A second OK must not make Liga.TFL.TFL of it.
        QCOMPARE(control<QLineEdit>(dialog, "txtnam")->text(), QStringLiteral("Liga"));
        QCOMPARE(frmopen::pros(), QStringLiteral("c:\\1.txt"));
        QVERIFY(!frmtable::current());
    }

    // A blank table over an existing one loses a season: the user is asked first, and No
    // leaves the old file and the dialog as they were, so that another name can be typed.
    void replacingAnExistingTableIsAsked_data() {
        QTest::addColumn<platform::Answer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("yes replaces") << platform::Answer::Yes << true;
        QTest::newRow("no keeps the old table") << platform::Answer::No << false;
    }
    void replacingAnExistingTableIsAsked() {
        QFETCH(platform::Answer, answer);
        QFETCH(bool, replaced);
        Sandbox sandbox;
        const QString path = sandbox.path(QStringLiteral("Liga.TFL"));
        writeOldTable(path);
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        sandbox.prompter.queueAnswer(answer);
        click(dialog, "cmdok");

        QCOMPARE(sandbox.prompter.asked().size(), 1);
        const platform::ScriptedPrompter::Asked &question = sandbox.prompter.asked().first();
        QCOMPARE(question.text, QStringLiteral("Файл %1 уже существует. Заменить его?").arg(path));
        QCOMPARE(question.title, QStringLiteral("Тарвел"));
        QCOMPARE(question.buttons, platform::Buttons::YesNo);
        if (replaced) {
            QCOMPARE(fileLines(path).size(), 45);
            QCOMPARE(frmopen::pros(), path);
            QVERIFY(frmtable::current());
            QTRY_VERIFY(!dialog->isVisible());
        } else {
            QCOMPARE(fileBytes(path), kOldTable);
            QCOMPARE(QDir(sandbox.dir.path()).entryList(QDir::Files),
                     (QStringList{QStringLiteral("Liga.TFL"), QStringLiteral("option.dat")}));
            QVERIFY(dialog->isVisible());
            QCOMPARE(control<QLineEdit>(dialog, "txtnam")->text(), QStringLiteral("Liga"));
            QCOMPARE(frmopen::pros(), QStringLiteral("c:\\1.txt"));
            QVERIFY(!frmtable::current());
        }
        QVERIFY(!sandbox.prompter.ended());
    }

    // After No the name is as typed, so a second OK asks about the same file again and does
    // not make Liga.TFL.TFL of it.
    void secondOkAfterNoAsksAboutTheSameFile() {
        Sandbox sandbox;
        const QString path = sandbox.path(QStringLiteral("Liga.TFL"));
        writeOldTable(path);
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        sandbox.prompter.queueAnswer(platform::Answer::No);
        sandbox.prompter.queueAnswer(platform::Answer::Yes);
        click(dialog, "cmdok");
        click(dialog, "cmdok");
        QCOMPARE(sandbox.prompter.askedTexts(),
                 QStringList(2, QStringLiteral("Файл %1 уже существует. Заменить его?").arg(path)));
        QCOMPARE(fileLines(path).size(), 45);
        QVERIFY(!QFile::exists(sandbox.path(QStringLiteral("Liga.TFL.TFL"))));
    }

    void newNameIsWrittenWithoutAQuestion() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        click(dialog, "cmdok");
        QVERIFY(sandbox.prompter.asked().isEmpty());
        QCOMPARE(fileLines(sandbox.path(QStringLiteral("Liga.TFL"))).size(), 45);
    }

    // What is there under the name and is no file is said, not asked about, and left as it
    // is; a named pipe is not opened (the test would wait here for a reader).
    void thingsThatAreNoFilesAreNotReplaced_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder") << "folder"
                                  << "%1/Kubok.TFL — это папка";
        QTest::newRow("a named pipe") << "pipe"
                                      << "%1/Kubok.TFL — это именованный канал";
        QTest::newRow("a link loop") << "loop"
                                     << "%1/Kubok.TFL — ссылки образуют петлю";
    }
    void thingsThatAreNoFilesAreNotReplaced() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        Sandbox sandbox;
        const QString path = sandbox.path(QStringLiteral("Kubok.TFL"));
        if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir(sandbox.dir.path()).mkdir(QStringLiteral("Kubok.TFL")));
        } else if (kind == QStringLiteral("pipe")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else {
            QVERIFY(QFile::link(path, path));
        }
        const QFileInfo before(path);
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Kubok"));
        click(dialog, "cmdok");

        QCOMPARE(sandbox.prompter.askedTexts(),
                 QStringList{message.replace(QStringLiteral("%1"), sandbox.dir.path())});
        QVERIFY(dialog->isVisible());
        QCOMPARE(control<QLineEdit>(dialog, "txtnam")->text(), QStringLiteral("Kubok"));
        const QFileInfo after(path);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), false);
        QVERIFY(!frmtable::current());
    }

    void enterInTheNameBoxIsOk_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter of the keypad") << int(Qt::Key_Enter);
    }
    void enterInTheNameBoxIsOk() {
        QFETCH(int, key);
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        QTest::keyClick(control<QLineEdit>(dialog, "txtnam"), Qt::Key(key));
        QCOMPARE(fileLines(sandbox.path(QStringLiteral("Liga.TFL"))).size(), 45);
        QCOMPARE(frmopen::pros(), sandbox.path(QStringLiteral("Liga.TFL")));
        QVERIFY(frmtable::current());
    }

    void cancelFromStartReturnsToOpenDialog() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        click(dialog, "cmdotm");
        QVERIFY(frmopen::current());
        QVERIFY(frmopen::current()->isVisible());
        QVERIFY(!frmtable::current());
        QVERIFY(!QFile::exists(sandbox.path(QStringLiteral("Liga.TFL"))));
        QTRY_VERIFY(!dialog->isVisible());
    }

    void closingTheFrameIsCancel() {
        Sandbox sandbox;
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        QVERIFY(dialog->close());
        QVERIFY(frmopen::current());
        QVERIFY(sandbox.prompter.asked().isEmpty());
    }

    void cancelFromMainWindowReloadsTheTable() {
        Sandbox sandbox;
        const QString path = sandbox.path(QStringLiteral("Old.TFL"));
        soccer::writeBlankTable(path, 5);
        frmopen::pros() = path;
        frmnew *dialog = frmnew::create(frmnew::Origin::MainWindow);
        click(dialog, "cmdotm");
        QVERIFY(frmtable::current());
        QVERIFY(!frmopen::current());
        QCOMPARE(frmopen::pros(), path);
        QVERIFY(!sandbox.prompter.ended());
    }

    void paintedFromOptionFile() {
        Sandbox sandbox(unusualScheme());
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        const QColor main(10, 20, 30), text(200, 210, 220);
        for (const char *name : {"txtchis", "Label1", "Label2"}) {
            QCOMPARE(backgroundOf(control<QLabel>(dialog, name)), main);
            QCOMPARE(textColorOf(control<QLabel>(dialog, name)), text);
        }
        QCOMPARE(backgroundOf(dialog), main);
        QCOMPARE(control<QWidget>(dialog, "cmdok")->palette().color(QPalette::Button), main);
    }
};

QTEST_MAIN(NewTableDialogTest)
#include "tst_ui_dialogs_new.moc"
