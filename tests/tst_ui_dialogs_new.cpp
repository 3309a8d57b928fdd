// The new-table dialog: the blank table it writes, the extension of the chosen type, the team
// count spinner, and where Cancel leads.
#include "tst_kit_windows.h"

#include "core/tablefile.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

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

    void replacesAnExistingTableWithoutAsking() {
        Sandbox sandbox;
        const QString path = sandbox.path(QStringLiteral("Liga.TFL"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents\r\n");
        old.close();
        frmnew *dialog = frmnew::create(frmnew::Origin::OpenDialog);
        enterName(dialog, QStringLiteral("Liga"));
        click(dialog, "cmdok");
        QCOMPARE(fileLines(path).size(), 45);
        QVERIFY(sandbox.prompter.asked().isEmpty());
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
