// A real season replayed through score entry: the Bundesliga 2015/16, all 306 matches.
#include "core/league/score.h"
#include "core/league/standings.h"
#include "tst_bundesliga_kit.h"

#include <QtTest>
#include <memory>

using namespace soccer;
using bundesliga::kOfficial;
using bundesliga::OfficialRow;
using bundesliga::teamNumber;

class TestBundesliga : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void everyPairPlayedOncePerHalf();
    void totalsMatchTheOfficialTable();
    void rankingFollowsTheProgramsRule();

  private:
    std::unique_ptr<League> league_ = std::make_unique<League>();
    int duplicates_ = 0;
    int notRecorded_ = 0;
    qsizetype matchCount_ = 0;
};

void TestBundesliga::initTestCase() {
    const bundesliga::Replay replay = bundesliga::replaySeason(*league_);
    matchCount_ = replay.matches;
    duplicates_ = replay.duplicates;
    notRecorded_ = replay.notRecorded;
    QCOMPARE(matchCount_, 306);
}

void TestBundesliga::everyPairPlayedOncePerHalf() {
    QCOMPARE(league_->teamCount, 18);
    QCOMPARE(duplicates_, 0);
    QCOMPARE(notRecorded_, 0);
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= 18; ++r) {
            for (int c = 1; c <= 18; ++c)
                QCOMPARE(league_->crossTables[k].cells[r][c].isEmpty(), r == c);
            QCOMPARE(league_->crossTables[k].stats[r].played, 17.0);
        }
    }
}

void TestBundesliga::totalsMatchTheOfficialTable() {
    for (const OfficialRow &row : kOfficial) {
        const int team = teamNumber(*league_, QString::fromUtf8(row.team));
        QVERIFY2(team <= 18, row.team);
        const TeamStats sum = totals(*league_, team);
        QCOMPARE(sum.played, 34.0);
        QCOMPARE(sum.wins, row.wins);
        QCOMPARE(sum.draws, row.draws);
        QCOMPARE(sum.losses, row.losses);
        QCOMPARE(sum.goalsFor, row.goalsFor);
        QCOMPARE(sum.goalsAgainst, row.goalsAgainst);
        QCOMPARE(sum.points, row.points);
    }
}

// Every points total is unique except 50 (Mainz and Hertha, equal wins: the goal difference
// puts Mainz first) and 38 (Augsburg 9 wins -10, Darmstadt 9 wins -15, Bremen 10 wins -15).
// The program's rule takes wins before goal difference: Bremen, Augsburg, Darmstadt, where
// the league's own rule (goal difference first) has Augsburg, Bremen, Darmstadt.
void TestBundesliga::rankingFollowsTheProgramsRule() {
    QCOMPARE(teamNumber(*league_, "SV Darmstadt 98"), 5);
    QCOMPARE(teamNumber(*league_, "Werder Bremen"), 7);
    QCOMPARE(teamNumber(*league_, "FC Augsburg"), 9);
    QStringList expected;
    for (const OfficialRow &row : kOfficial)
        expected.append(QString::fromUtf8(row.team));
    expected.swapItemsAt(expected.indexOf("FC Augsburg"), expected.indexOf("Werder Bremen"));

    rankTeams(*league_);
    QStringList ranked;
    for (const ResultsRow &row : resultsRows(*league_))
        ranked.append(row.name);
    QCOMPARE(ranked, expected);
}

QTEST_APPLESS_MAIN(TestBundesliga)
#include "tst_core_bundesliga.moc"
