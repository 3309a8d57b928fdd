// The time of imported matches: round and date texts as result files write them, and the lines
// that put a team into a round twice, imported and named for the preview.
#include "core/import/importapply.h"
#include "core/import/importcalendar.h"
#include "core/import/importreader.h"
#include "core/import/importreport.h"

#include <QtTest>
#include <memory>

using namespace soccer;

class TestImportCalendar : public QObject {
    Q_OBJECT

  private slots:
    void roundTexts_data();
    void roundTexts();
    void dateTexts_data();
    void dateTexts();
    void teamTwiceInARoundIsTakenAndNamed();
};

void TestImportCalendar::roundTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("round");
    QTest::newRow("number") << "5" << 5;
    QTest::newRow("Matchday") << "Matchday 12" << 12;
    QTest::newRow("Spieltag") << "3. Spieltag" << 3;
    QTest::newRow("Тур") << "Тур 34" << 34;
    QTest::newRow("none") << "Finale" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("beyond the last round") << "1000" << 0;
    QTest::newRow("too long") << "Matchday 123456789012" << 0;
}

void TestImportCalendar::roundTexts() {
    QFETCH(QString, text);
    QFETCH(int, round);
    QCOMPARE(importedRound(text), round);
}

void TestImportCalendar::dateTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("ISO") << "2015-08-14" << QDate(2015, 8, 14);
    QTest::newRow("Russian") << "14.08.2015" << QDate(2015, 8, 14);
    QTest::newRow("slashes") << "14/08/2015" << QDate(2015, 8, 14);
    QTest::newRow("two-digit year") << " 14/08/15 " << QDate(2015, 8, 14);
    QTest::newRow("no such day") << "2015-02-30" << QDate();
    QTest::newRow("words") << "Fri Aug 14" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestImportCalendar::dateTexts() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(importedDate(text), date);
}

void TestImportCalendar::teamTwiceInARoundIsTakenAndNamed() {
    auto league = std::make_unique<League>();
    league->teamCount = 4;
    for (int t = 1; t <= 4; ++t)
        league->teamNames[t] = QStringLiteral("Т%1").arg(t);
    const ImportedFile file = readImportBytes("Тур,Дата,home,away,hg,ag\n"
                                              "1,01.08.2026,Т1,Т2,1,0\n"
                                              "1,01.08.2026,Т3,Т4,2,2\n"
                                              "2,08.08.2026,Т2,Т3,0,1\n"
                                              "2,09.08.2026,Т3,Т1,0,0\n");
    const ImportPlan plan = planImport(*league, file);
    QVERIFY(plan.problems.empty());
    QCOMPARE(int(plan.roundNotes.size()), 1);
    QCOMPARE(plan.roundNotes[0].line, 5);
    QCOMPARE(plan.roundNotes[0].reason, QStringLiteral("«Т3» второй раз в туре 2"));
    QVERIFY2(importReport(plan).endsWith(
                 QStringLiteral("Строки, где команда дважды в одном туре (внесены как есть, 1):\n"
                                "  строка 5: «Т3» второй раз в туре 2")),
             qPrintable(importReport(plan)));
    const ImportUndo undo = applyImport(*league, plan);
    QCOMPARE(int(league->calendar.fixtures.size()), 4);
    QCOMPARE(league->calendar.fixtures[3], (Fixture{1, 3, 1, 2, QDate(2026, 8, 9), false}));
    undoImport(*league, undo);
    QVERIFY(league->calendar.empty());
}

QTEST_APPLESS_MAIN(TestImportCalendar)
#include "tst_core_import_calendar.moc"
