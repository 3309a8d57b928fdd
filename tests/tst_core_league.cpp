// The League's own operations: counters by column, clearing, and which texts a file can hold.
#include "core/league/columns.h"
#include "core/league/league.h"
#include "core/league/score.h"
#include "core/league/standings.h"

#include <QtTest>
#include <memory>

using namespace soccer;

class TestLeague : public QObject {
    Q_OBJECT

  private slots:
    void countersFollowTheScreenOrder();
    void clearingEmptiesBothHalves();
    void clearingKeepsEntriesBeyondCount();
    void tableTextProblem_data();
    void tableTextProblem();
};

void TestLeague::countersFollowTheScreenOrder() {
    TeamStats stats;
    double value = 1;
    for (Counter counter : kStoredCounters)
        counterRef(stats, counter) = value++;
    QCOMPARE(stats.played, 1.0);
    QCOMPARE(stats.losses, 2.0);
    QCOMPARE(stats.draws, 3.0);
    QCOMPARE(stats.wins, 4.0);
    QCOMPARE(stats.goalsFor, 5.0);
    QCOMPARE(stats.goalsAgainst, 6.0);
    QCOMPARE(stats.points, 7.0);
    QCOMPARE(counterValue(stats, Counter::Wins), 4.0);
}

void TestLeague::clearingEmptiesBothHalves() {
    auto league = std::make_unique<League>();
    league->teamCount = 4;
    league->teamNames[2] = QStringLiteral("Зенит");
    enterScore(league->crossTables[1], 1, 2, "2 1");
    enterScore(league->crossTables[2], 4, 3, "0 5");
    league->crossTables[2].cells[1][1] = QStringLiteral("stray");
    clearResults(*league);
    clearResults(*league); // a second time changes nothing more
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= 4; ++r) {
            QCOMPARE(league->crossTables[k].stats[r], TeamStats{});
            for (int c = 1; c <= 4; ++c)
                QCOMPARE(league->crossTables[k].cells[r][c], QString());
        }
    }
    QCOMPARE(league->teamCount, 4);
    QCOMPARE(league->teamNames[2], QStringLiteral("Зенит"));
    rankTeams(*league);
    QCOMPARE(league->standingsOrder[1], 1);
    QCOMPARE(league->standingsOrder[4], 4);

    enterScore(league->crossTables[2], 2, 3, "2 1");
    QCOMPARE(totals(*league, 2).goalsFor, 2.0);
    QCOMPARE(totals(*league, 3).goalsFor, 1.0);
}

void TestLeague::clearingKeepsEntriesBeyondCount() {
    auto league = std::make_unique<League>();
    league->teamCount = 6;
    enterScore(league->crossTables[1], 5, 6, "1 0");
    league->teamCount = 4;
    clearResults(*league);
    QCOMPARE(league->crossTables[1].cells[5][6], QStringLiteral(" 1: 0"));
}

void TestLeague::tableTextProblem_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("problem");
    QTest::newRow("Cyrillic name") << "Спартак-2 «Ёлки» №1" << int(TextProblem::None);
    QTest::newRow("empty") << "" << int(TextProblem::None);
    QTest::newRow("comma") << "Иванов, Петров" << int(TextProblem::Comma);
    QTest::newRow("double quote") << "\"Динамо\"" << int(TextProblem::DoubleQuote);
    QTest::newRow("line feed") << "a\nb" << int(TextProblem::LineBreak);
    QTest::newRow("carriage return") << "a\rb" << int(TextProblem::LineBreak);
    QTest::newRow("umlaut") << "Bayern München" << int(TextProblem::NotInCodePage);
    QTest::newRow("check mark") << "OK ✓" << int(TextProblem::NotInCodePage);
    QTest::newRow("emoji") << "Team ⚽" << int(TextProblem::NotInCodePage);
}

void TestLeague::tableTextProblem() {
    QFETCH(QString, text);
    QFETCH(int, problem);
    const TextProblem found = soccer::tableTextProblem(text);
    QCOMPARE(int(found), problem);
    QCOMPARE(tableTextProblemMessage(found).isEmpty(), found == TextProblem::None);
}

QTEST_APPLESS_MAIN(TestLeague)
#include "tst_core_league.moc"
