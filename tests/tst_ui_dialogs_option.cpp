// The options dialog: the bars start from option.dat, show their colour at once, and only OK
// and "Стандарт" write the file.
#include "tst_kit_windows.h"

#include "ui/dialogs/frmopen.h"
#include "ui/dialogs/frmoption.h"

#include <QLabel>
#include <QScrollBar>

using namespace testkit;

namespace {

const char *const kBars[] = {"hr", "hg", "hb", "hr1", "hg1", "hb1", "hr2", "hg2", "hb2"};
const char *const kValues[] = {"lr", "lg", "lb", "lr1", "lg1", "lb1", "lr2", "lg2", "lb2"};

QScrollBar *bar(QWidget *dialog, int index) {
    return control<QScrollBar>(dialog, kBars[index]);
}
QLabel *value(QWidget *dialog, int index) {
    return control<QLabel>(dialog, kValues[index]);
}

QList<int> barValues(QWidget *dialog) {
    QList<int> values;
    for (int index = 0; index < 9; ++index) {
        values << bar(dialog, index)->value();
    }
    return values;
}

void writeRawOptions(const QByteArray &bytes) {
    QFile file(soccer::optionsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void barsStartFromTheFile() {
        Sandbox sandbox(unusualScheme());
        frmoption *dialog = frmoption::create();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Опции"));
        QCOMPARE(barValues(dialog), (QList<int>{10, 20, 30, 40, 50, 60, 200, 210, 220}));
        QCOMPARE(value(dialog, 4)->text(), QStringLiteral("50"));
        QCOMPARE(backgroundOf(control<QLabel>(dialog, "o")), QColor(10, 20, 30));
        QCOMPARE(backgroundOf(control<QLabel>(dialog, "o1")), QColor(40, 50, 60));
        QCOMPARE(backgroundOf(control<QLabel>(dialog, "o2")), QColor(200, 210, 220));
        QCOMPARE(backgroundOf(control<QLabel>(dialog, "lbl1")), QColor(10, 20, 30));
        QCOMPARE(textColorOf(control<QLabel>(dialog, "lbl1")), QColor(200, 210, 220));
        QCOMPARE(control<QLabel>(dialog, "lbl")->text(), QStringLiteral("Основной цвет"));
        QCOMPARE(control<QLabel>(dialog, "lbl1")->text(), QStringLiteral("Второй цвет"));
        QCOMPARE(control<QLabel>(dialog, "lbl2")->text(), QStringLiteral("Цвет текста"));
    }

    void componentsOutsideTheRangeAreClamped() {
        Sandbox sandbox;
        writeRawOptions(" 300 -5  128 \r\n 1  2  3 \r\n 4  5  6 \r\n");
        frmoption *dialog = frmoption::create();
        QCOMPARE(barValues(dialog).mid(0, 3), (QList<int>{255, 0, 128}));
    }

    void movingABarShowsAtOnceAndWritesNothing() {
        Sandbox sandbox(unusualScheme());
        const QByteArray before = fileBytes(soccer::optionsFilePath());
        frmoption *dialog = frmoption::create();
        bar(dialog, 4)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(value(dialog, 4)->text(), QStringLiteral("51"));
        QCOMPARE(backgroundOf(control<QLabel>(dialog, "o1")), QColor(40, 51, 60));
        QCOMPARE(backgroundOf(control<QLabel>(dialog, "o")), QColor(10, 20, 30));
        QCOMPARE(fileBytes(soccer::optionsFilePath()), before);
    }

    void everyBarReachesBothEnds_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < 9; ++index) {
            QTest::newRow(kBars[index]) << index;
        }
    }
    void everyBarReachesBothEnds() {
        QFETCH(int, index);
        Sandbox sandbox;
        frmoption *dialog = frmoption::create();
        QScrollBar *moved = bar(dialog, index);
        moved->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(moved->value(), 255);
        QCOMPARE(value(dialog, index)->text(), QStringLiteral("255"));
        moved->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(value(dialog, index)->text(), QStringLiteral("0"));
        // A click in the trough moves by one, like an arrow.
        moved->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(value(dialog, index)->text(), QStringLiteral("1"));
    }

    void standardWritesTheThreeLines() {
        Sandbox sandbox(unusualScheme());
        frmoption *dialog = frmoption::create();
        click(dialog, "cmdstan");
        QCOMPARE(fileBytes(soccer::optionsFilePath()),
                 QByteArray(" 150  150  150 \r\n 200  200  200 \r\n 0  0  0 \r\n"));
        QTRY_VERIFY(!dialog->isVisible());
        QVERIFY(sandbox.prompter.asked().isEmpty());
    }

    void okWritesTheBars() {
        Sandbox sandbox;
        frmoption *dialog = frmoption::create();
        bar(dialog, 0)->setValue(255);
        bar(dialog, 8)->setValue(7);
        click(dialog, "cmdok");
        QCOMPARE(fileBytes(soccer::optionsFilePath()),
                 QByteArray(" 255  150  150 \r\n 200  200  200 \r\n 0  0  7 \r\n"));
        QTRY_VERIFY(!dialog->isVisible());
    }

    void okClosesTheOpenTableDialog() {
        Sandbox sandbox;
        frmopen::create();
        click(frmoption::create(), "cmdok");
        QTRY_VERIFY(!frmopen::current());
    }

    void cancelWritesNothingAndReopeningShowsTheFile() {
        Sandbox sandbox(unusualScheme());
        const QByteArray before = fileBytes(soccer::optionsFilePath());
        frmoption *dialog = frmoption::create();
        bar(dialog, 2)->setValue(99);
        click(dialog, "cmdotm");
        QCOMPARE(fileBytes(soccer::optionsFilePath()), before);
        QTRY_VERIFY(!dialog->isVisible());

        frmoption *again = frmoption::create();
        QCOMPARE(bar(again, 2)->value(), 30);
        QCOMPARE(value(again, 2)->text(), QStringLiteral("30"));
    }

    void failedWriteIsReportedAndDialogStays() {
        Sandbox sandbox;
        frmoption *dialog = frmoption::create();
        soccer::setProgramFolder(sandbox.path(QStringLiteral("gone")));
        click(dialog, "cmdok");
        QCOMPARE(sandbox.prompter.asked().size(), 1);
        QCOMPARE(sandbox.prompter.asked().first().icon, platform::Icon::Critical);
        QVERIFY(sandbox.prompter.askedTexts().first().contains(shown(soccer::optionsFilePath())));
        QVERIFY(dialog->isVisible());
        QVERIFY(!sandbox.prompter.ended());
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "tst_ui_dialogs_option.moc"
