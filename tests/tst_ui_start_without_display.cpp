// Both programs run where there is no display (over SSH, from a script): --help and --version
// answer as usual, and a start says in one line that there is no display instead of aborting.
#include "tst_cli_kit.h"

#include <QtTest>

class TestStartWithoutDisplay : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
};

void TestStartWithoutDisplay::answersWithoutDisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    const QString soccer = QStringLiteral(SOCCER_PROGRAM);
    const QString classic = QStringLiteral(CLASSIC_PROGRAM);
    QTest::newRow("soccer --version")
        << soccer << "--version" << 0 << "soccer " SOCCER_PROGRAM_VERSION "\n";
    QTest::newRow("soccer --help")
        << soccer << "--help" << 0 << "  -h, --help     Показать эту справку";
    QTest::newRow("soccer with a table") << soccer << "season.TFL" << 1 << "";
    QTest::newRow("soccer-classic -v")
        << classic << "-v" << 0 << "soccer-classic " CLASSIC_PROGRAM_VERSION "\n";
    QTest::newRow("soccer-classic") << classic << "" << 1 << "";
}

void TestStartWithoutDisplay::answersWithoutDisplay() {
    QFETCH(QString, program);
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    const clikit::Run run =
        clikit::runProgram(program, argument.isEmpty() ? QStringList() : QStringList{argument});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
    QCOMPARE(run.err, exitCode == 0 ? QString()
                                    : QStringLiteral("Нет экрана, на котором показать окно: не "
                                                     "заданы DISPLAY и WAYLAND_DISPLAY\n"));
}

QTEST_GUILESS_MAIN(TestStartWithoutDisplay)
#include "tst_ui_start_without_display.moc"
