// soccer-cli's tables over time on the Bundesliga 2015/16 with its calendar: wrong values are
// refused with a message, and the CSV's added columns come only when asked.
#include "core/files/tablefile.h"
#include "tst_cli_kit.h"
#include "tst_kit_season.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace soccer;

class TestCliSeason : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void wrongValuesAreRefused_data();
    void wrongValuesAreRefused();
    void csvColumns_data();
    void csvColumns();

  private:
    QTemporaryDir dir_;
    QString season_;
    QString plain_;
};

void TestCliSeason::initTestCase() {
    QVERIFY(dir_.isValid());
    season_ = dir_.filePath(QStringLiteral("SEASON.TFL"));
    plain_ = dir_.filePath(QStringLiteral("PLAIN.TFL"));
    auto league = seasonkit::importedSeason();
    writeTableFile(season_, *league);
    league->calendar = {};
    writeTableFile(plain_, *league);
}

void TestCliSeason::wrongValuesAreRefused_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QString>("message");
    QTest::newRow("round beyond the calendar") << QStringList{"--after-round", "35"} << false
                                               << "тура «35» нет: в календаре туры от 1 до 34";
    QTest::newRow("round no number")
        << QStringList{"--after-round", "x"} << false << "тура «x» нет";
    QTest::newRow("round without a calendar")
        << QStringList{"--after-round", "3"} << true << "в таблице нет календаря";
    QTest::newRow("no such day") << QStringList{"--date", "31.02.2016"} << false
                                 << "«31.02.2016» — не дата";
    QTest::newRow("round and date") << QStringList{"--after-round", "3", "--date", "2016-01-01"}
                                    << false << "--after-round и --date вместе не указываются";
    QTest::newRow("home and away")
        << QStringList{"--home", "--away"} << false << "--home и --away вместе не указываются";
}

// Both commands refuse the same way, with the exit code of a wrong argument and nothing out.
void TestCliSeason::wrongValuesAreRefused() {
    QFETCH(QStringList, options);
    QFETCH(bool, plain);
    QFETCH(QString, message);
    const QString table = plain ? plain_ : season_;
    for (const QStringList &command :
         {QStringList{"show", table}, QStringList{"export", table, "--format", "csv"}}) {
        const clikit::Run run = clikit::runCli(command + options);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
}

void TestCliSeason::csvColumns_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("leader");
    QTest::newRow("after round 17") << QStringList{"--after-round", "17"} << "Место;Команда;±;"
                                    << "1;Bayern Munchen;;17;";
    QTest::newRow("form and places at the end")
        << QStringList{"--after-round", "33", "--form", "--places"} << ";Последние 5;Места\r\n"
        << ";ВВВНВ;1\r\n";
    QTest::newRow("places open after round 30")
        << QStringList{"--after-round", "30", "--places"} << ";Места\r\n"
        << ";1–2\r\n";
    QTest::newRow("home table up to a day")
        << QStringList{"--date", "2015-12-20", "--home"} << "Место;Команда;Игры"
        << "1;Bayern Munchen;9;";
}

// The header holds the added columns where they stand and the leader's row what they say.
void TestCliSeason::csvColumns() {
    QFETCH(QStringList, options);
    QFETCH(QString, added);
    QFETCH(QString, leader);
    const clikit::Run run =
        clikit::runCli(QStringList{"export", season_, "--format", "csv"} + options);
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n');
    QVERIFY(lines.size() > 2);
    QVERIFY2((lines[0] + u'\n').contains(added), qPrintable(lines[0]));
    QVERIFY2((lines[1] + u'\n').contains(leader), qPrintable(lines[1]));
}

QTEST_APPLESS_MAIN(TestCliSeason)
#include "tst_cli_season.moc"
