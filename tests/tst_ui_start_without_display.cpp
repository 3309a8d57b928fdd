// Both programs run where there is no display (over SSH, from a script): --help and --version
// answer as usual, and a start says in one line that there is no display instead of aborting.
#include "tst_cli_kit.h"

#include <QtTest>

using clikit::Run;

class TestStartWithoutDisplay : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
};

void TestStartWithoutDisplay::answersWithoutDisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString soccer = QStringLiteral(SOCCER_PROGRAM);
    const QString classic = QStringLiteral(CLASSIC_PROGRAM);
    const QString noDisplay = QStringLiteral(
        "Нет экрана, на котором показать окно: не заданы DISPLAY и WAYLAND_DISPLAY\n");
    QTest::newRow("soccer --version")
        << soccer << QStringList{"--version"} << 0
        << QStringLiteral("soccer " SOCCER_PROGRAM_VERSION "\n") << QString();
    QTest::newRow("soccer --help")
        << soccer << QStringList{"--help"} << 0
        << QStringLiteral("  -h, --help     Показать эту справку") << QString();
    QTest::newRow("soccer with a table")
        << soccer << QStringList{"season.TFL"} << 1 << QString() << noDisplay;
    QTest::newRow("soccer-classic -v")
        << classic << QStringList{"-v"} << 0
        << QStringLiteral("soccer-classic " CLASSIC_PROGRAM_VERSION "\n") << QString();
    QTest::newRow("soccer-classic --help")
        << classic << QStringList{"--help"} << 0 << QStringLiteral("Показать версию программы")
        << QString();
    QTest::newRow("soccer-classic") << classic << QStringList{} << 1 << QString() << noDisplay;
}

void TestStartWithoutDisplay::answersWithoutDisplay() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = clikit::runProgram(program, arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (out.endsWith(u'\n'))
        QCOMPARE(QString::fromUtf8(run.out), out);
    else
        QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
    QCOMPARE(run.err, err);
}

QTEST_GUILESS_MAIN(TestStartWithoutDisplay)
#include "tst_ui_start_without_display.moc"
