// The About box and the program's pictures.
#include "tst_kit_windows.h"

#include "ui/dialogs/frmAbout.h"
#include "ui/platform/look.h"

#include <QImage>
#include <QLabel>

using namespace testkit;

namespace {

const QStringList kCommands = {"new",    "open",  "save",   "chess1", "chess2", "table",
                               "rename", "clear", "option", "help",   "about",  "exit"};

int opaquePixels(const QImage &image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0;
        }
    }
    return count;
}

QImage pictureOf(const QIcon &icon) {
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTitleAndVersion() {
        Sandbox sandbox;
        frmAbout *box = frmAbout::create();
        QCOMPARE(box->windowTitle(), QStringLiteral("About Тарвел"));
        QCOMPARE(control<QLabel>(box, "lblTitle")->text(), QStringLiteral("Тарвел"));
        QCOMPARE(control<QLabel>(box, "lblVersion")->text(), QStringLiteral("Version 4.1.5"));
        QVERIFY(!control<QLabel>(box, "Label1")->text().isEmpty());
        QVERIFY(!control<QLabel>(box, "picIcon")->pixmap().isNull());
    }

    void versionNumbersLoseLeadingZeros_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("padded") << "4.01.0005"
                                << "Version 4.1.5";
        QTest::newRow("plain") << "4.1.5"
                               << "Version 4.1.5";
        QTest::newRow("tens") << "10.0.20"
                              << "Version 10.0.20";
    }
    void versionNumbersLoseLeadingZeros() {
        QFETCH(QString, version);
        QFETCH(QString, shown);
        QCOMPARE(frmAbout::versionText(version), shown);
    }

    void everyOpeningRereadsTheColours() {
        Sandbox sandbox;
        frmAbout *first = frmAbout::create();
        QCOMPARE(backgroundOf(control<QLabel>(first, "lblTitle")), QColor(150, 150, 150));
        soccer::writeOptionsFile(soccer::optionsFilePath(), unusualScheme());
        frmAbout *second = frmAbout::create();
        for (const char *name : {"lblTitle", "lblVersion", "Label1", "picIcon"}) {
            QCOMPARE(backgroundOf(control<QLabel>(second, name)), QColor(10, 20, 30));
            QCOMPARE(textColorOf(control<QLabel>(second, name)), QColor(200, 210, 220));
        }
        QCOMPARE(backgroundOf(second), QColor(10, 20, 30));
    }

    void escapeAndOkClose_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("OK") << false;
    }
    void escapeAndOkClose() {
        QFETCH(bool, escape);
        Sandbox sandbox;
        frmAbout *box = frmAbout::create();
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box));
        if (escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            click(box, "cmdOK");
        }
        QTRY_VERIFY(!box->isVisible());
    }

    void everyCommandHasItsOwnPicture() {
        QList<QImage> pictures;
        for (const QString &name : kCommands) {
            const QImage picture = pictureOf(platform::commandIcon(name));
            QVERIFY2(opaquePixels(picture) > 100, qPrintable(name));
            QVERIFY2(!pictures.contains(picture), qPrintable(name));
            pictures << picture;
        }
        const QImage program = pictureOf(platform::applicationIcon());
        QVERIFY(opaquePixels(program) > 100);
        QVERIFY(!pictures.contains(program));
        QVERIFY(platform::commandIcon(QStringLiteral("unknown")).isNull());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_ui_dialogs_about.moc"
