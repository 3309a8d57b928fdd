// soccer-cli's tables over time on the Bundesliga 2015/16 with its calendar: the options reach
// the table, and wrong values are refused with a message and the exit code of a wrong argument.
#include "core/files/tablefile.h"
#include "tst_cli_kit.h"
#include "tst_kit_season.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliSeason : public QObject {
    Q_OBJECT

  private slots:
    void options_data();
    void options();
};

void TestCliSeason::options_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("text"); // in the output, or in the message when refused
    const QStringList csv{"export", "--format", "csv"};
    QTest::newRow("csv after round 33, form, places")
        << csv + QStringList{"--after-round", "33", "--form", "--places"} << true << 0
        << "Место;Команда;±;Игры;Поражения;Ничьи;Победы;Забито;Пропущено;Очки;Разница;"
           "Последние 5;Места\r\n1;Bayern Munchen;;33;";
    QTest::newRow("show home up to a day")
        << QStringList{"show", "--date", "2015-12-20", "--home"} << true << 0
        << "Таблица результатов на 20.12.2015 — дома";
    QTest::newRow("round beyond the calendar") << csv + QStringList{"--after-round", "35"} << true
                                               << 1 << "тура «35» нет: в календаре туры от 1 до 34";
    QTest::newRow("round no number")
        << QStringList{"show", "--after-round", "x"} << true << 1 << "тура «x» нет";
    QTest::newRow("round without a calendar")
        << QStringList{"show", "--after-round", "3"} << false << 1 << "в таблице нет календаря";
    QTest::newRow("no such day") << csv + QStringList{"--date", "31.02.2016"} << true << 1
                                 << "«31.02.2016» — не дата";
    QTest::newRow("round and date")
        << QStringList{"show", "--after-round", "3", "--date", "2016-01-01"} << true << 1
        << "--after-round и --date вместе не указываются";
    QTest::newRow("chart") << QStringList{"export", "--chart"} << true << 0 << "<polyline";
    QTest::newRow("chart without a calendar")
        << QStringList{"export", "--chart"} << false << 1 << "графика мест нет";
    QTest::newRow("home and away") << csv + QStringList{"--home", "--away"} << true << 1
                                   << "--home и --away вместе не указываются";
}

void TestCliSeason::options() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, calendar);
    QFETCH(int, exitCode);
    QFETCH(QString, text);
    QTemporaryDir dir;
    auto league = seasonkit::importedSeason();
    if (!calendar)
        league->calendar = {};
    const QString table = dir.filePath(QStringLiteral("SEASON.TFL"));
    soccer::writeTableFile(table, *league);
    arguments.insert(1, table);
    const clikit::Run run = clikit::runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString said = exitCode == 0 ? QString::fromUtf8(run.out) : run.err;
    QVERIFY2(said.contains(text), qPrintable(said));
}

QTEST_APPLESS_MAIN(TestCliSeason)
#include "tst_cli_season.moc"
