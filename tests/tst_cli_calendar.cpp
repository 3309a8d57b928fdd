// soccer-cli calendar and show --round: a drawn calendar written into a table and read back in
// every format, and the wrong options refused with a message and nothing written.
#include "core/files/tablefile.h"
#include "tst_cli_kit.h"
#include "tst_kit.h"

#include <QTemporaryDir>
#include <QtTest>

using clikit::Run;
using clikit::runCli;

class TestCliCalendar : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void drawnCalendarInEveryFormat();
    void roundShown();
    void badOptionsChangeNothing_data();
    void badOptionsChangeNothing();

  private:
    QString path(const QString &name) const { return folder_.filePath(name); }
    QTemporaryDir folder_;
};

void TestCliCalendar::initTestCase() {
    QVERIFY(folder_.isValid());
    soccer::writeBlankTable(path("five.TFL"), 5);
    const Run draw = runCli({"calendar", path("five.TFL"), "--draw", "--start", "2026-08-01",
                             "--every", "7", "-o", path("drawn.TFL")});
    QCOMPARE(draw.err, QString());
    QCOMPARE(draw.exitCode, 0);
}

void TestCliCalendar::drawnCalendarInEveryFormat() {
    const Run csv = runCli({"calendar", path("drawn.TFL"), "--format", "csv"});
    QCOMPARE(csv.exitCode, 0);
    const QList<QByteArray> lines = csv.out.trimmed().split('\n');
    // 10 rounds of two matches and one free team
    QCOMPARE(lines.size(), 1 + 10 * 3);
    QVERIFY(lines[0].contains("Дата;Тур;Хозяева;Гости;Счёт"));
    QVERIFY(lines[1].startsWith("01.08.2026;1;"));
    QVERIFY(lines[3].contains(";свободна;"));
    QVERIFY(lines[30].startsWith("03.10.2026;10;"));
    const Run ics = runCli({"calendar", path("drawn.TFL"), "--format", "ics"});
    QCOMPARE(ics.exitCode, 0);
    QCOMPARE(ics.out.count("BEGIN:VEVENT"), 20);
    const Run text = runCli({"calendar", path("drawn.TFL"), "--format", "text"});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(QString::fromUtf8(text.out).contains(QStringLiteral("свободна")));
    const Run pdf = runCli({"calendar", path("drawn.TFL"), "--format", "pdf", "-o", path("c.pdf")});
    QCOMPARE(pdf.exitCode, 0);
    QVERIFY(testkit::fileBytes(path("c.pdf")).startsWith("%PDF"));
}

void TestCliCalendar::roundShown() {
    const Run shown = runCli({"show", path("drawn.TFL"), "--round", "2"});
    QCOMPARE(shown.exitCode, 0);
    const QStringList lines = QString::fromUtf8(shown.out).trimmed().split(u'\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Тур 2 — 08.08.2026"));
    QVERIFY(lines[1].contains(QStringLiteral(" – ")));
    QVERIFY(lines[3].endsWith(QStringLiteral(" — свободна")));
}

void TestCliCalendar::badOptionsChangeNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no date") << QStringList{"calendar",   "five.TFL", "--draw", "--start",
                                            "2026-02-30", "-o",       "out.TFL"}
                             << "«2026-02-30» не дата";
    QTest::newRow("every 0") << QStringList{"calendar", "five.TFL", "--draw", "--every",
                                            "0",        "-o",       "out.TFL"}
                             << "--every: нужно число дней от 1 до 365";
    QTest::newRow("draw to stdout")
        << QStringList{"calendar", "five.TFL", "--draw"} << "укажите -o ФАЙЛ.TFL";
    QTest::newRow("both") << QStringList{"calendar", "five.TFL", "--draw", "--format", "csv"}
                          << "нужен ровно один из параметров --draw и --format";
    QTest::newRow("no calendar") << QStringList{"calendar", "five.TFL", "--format", "csv"}
                                 << "в таблице нет календаря";
    QTest::newRow("format") << QStringList{"calendar", "drawn.TFL", "--format", "xls"}
                            << "неизвестный формат «xls»";
    QTest::newRow("round 11") << QStringList{"show", "drawn.TFL", "--round", "11"}
                              << "тура «11» нет: в календаре туры от 1 до 10";
    QTest::newRow("round without calendar")
        << QStringList{"show", "five.TFL", "--round", "1"} << "в таблице нет календаря";
}

void TestCliCalendar::badOptionsChangeNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    arguments[1] = path(arguments[1]);
    if (const qsizetype o = arguments.indexOf("-o"); o >= 0)
        arguments[o + 1] = path(arguments[o + 1]);
    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(path("out.TFL")));
}

QTEST_GUILESS_MAIN(TestCliCalendar)
#include "tst_cli_calendar.moc"
