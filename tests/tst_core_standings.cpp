// The ranking rule, the ordering by one counter and the rows of the results table.
#include "core/league/standings.h"

#include <QtTest>
#include <memory>

using namespace soccer;

namespace {

struct Totals {
    double points;
    double wins;
    double goalsFor;
    double goalsAgainst;
};

// Teams 1..N with the given totals, split over the two halves so that the ranking has to add
// them up.
std::unique_ptr<League> leagueWith(const QList<Totals> &teams) {
    auto league = std::make_unique<League>();
    league->teamCount = int(teams.size());
    for (int t = 1; t <= league->teamCount; ++t) {
        const Totals &team = teams[t - 1];
        TeamStats &first = league->crossTables[1].stats[t];
        TeamStats &second = league->crossTables[2].stats[t];
        first.points = team.points - 1;
        second.points = 1;
        first.wins = team.wins;
        first.goalsFor = team.goalsFor / 2;
        second.goalsFor = team.goalsFor - first.goalsFor;
        second.goalsAgainst = team.goalsAgainst;
        league->teamNames[t] = QStringLiteral("team %1").arg(t);
    }
    return league;
}

QList<int> order(const League &league) {
    QList<int> teams;
    for (int p = 1; p <= league.teamCount; ++p)
        teams.append(league.standingsOrder[p]);
    return teams;
}

} // namespace

class TestStandings : public QObject {
    Q_OBJECT

  private slots:
    void ranking_data();
    void ranking();
    void rankingIgnoresEarlierOrder();
    void orderByCounter_data();
    void orderByCounter();
    void totalsAddBothHalves();
    void resultsRowsInScreenOrder();
};

void TestStandings::ranking_data() {
    QTest::addColumn<QList<Totals>>("teams");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("nothing played")
        << QList<Totals>(5, Totals{0, 0, 0, 0}) << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("points first") << QList<Totals>{{3, 1, 1, 9}, {9, 0, 0, 0}, {6, 9, 9, 0}}
                                  << QList<int>{2, 3, 1};
    QTest::newRow("level on all four keeps index order")
        << QList<Totals>{{10, 3, 5, 5}, {10, 3, 8, 8}, {10, 3, 5, 5}} << QList<int>{2, 1, 3};
    QTest::newRow("goals for decides at equal difference")
        << QList<Totals>{{7, 2, 4, 4}, {7, 2, 6, 6}} << QList<int>{2, 1};
    // Part of the rule: wins only ever admit a challenger, so the scan order matters.
    QTest::newRow("three teams on 15 points")
        << QList<Totals>{{15, 4, 10, 10}, {15, 3, 13, 10}, {15, 5, 10, 15}} << QList<int>{3, 2, 1};
    QTest::newRow("the same teams numbered 3, 1, 2")
        << QList<Totals>{{15, 5, 10, 15}, {15, 4, 10, 10}, {15, 3, 13, 10}} << QList<int>{3, 2, 1};
    QTest::newRow("negative and fractional totals")
        << QList<Totals>{{-3, 0, -1, 2}, {1.5, 0, 1.5, 0}, {-3, 0, 0.5, 0}} << QList<int>{2, 3, 1};
}

void TestStandings::ranking() {
    QFETCH(QList<Totals>, teams);
    QFETCH(QList<int>, expected);
    const auto league = leagueWith(teams);
    rankTeams(*league);
    QCOMPARE(order(*league), expected);
}

void TestStandings::rankingIgnoresEarlierOrder() {
    const auto league = leagueWith({{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 0, 0, 0}});
    league->standingsOrder.fill(7);
    rankTeams(*league);
    QCOMPARE(order(*league), (QList<int>{3, 2, 1}));
    QCOMPARE(league->standingsOrder[4], 7); // positions beyond N are not touched
}

void TestStandings::orderByCounter_data() {
    QTest::addColumn<int>("counter");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("goals for, one negative") << int(Counter::GoalsFor) << QList<int>{2, 4, 3, 1};
    QTest::newRow("goals against, ties in index order")
        << int(Counter::GoalsAgainst) << QList<int>{1, 4, 2, 3};
    QTest::newRow("all equal") << int(Counter::Draws) << QList<int>{1, 2, 3, 4};
    QTest::newRow("points") << int(Counter::Points) << QList<int>{3, 4, 2, 1};
}

void TestStandings::orderByCounter() {
    QFETCH(int, counter);
    QFETCH(QList<int>, expected);
    const auto league = leagueWith({{1, 0, -2, 5}, {2, 0, 9, 1}, {9, 0, 0, 1}, {4, 0, 3, 5}});
    soccer::orderByCounter(*league, Counter(counter));
    QCOMPARE(order(*league), expected);
}

void TestStandings::totalsAddBothHalves() {
    League league;
    league.crossTables[1].stats[3].played = 2;
    league.crossTables[2].stats[3].played = 3;
    league.crossTables[1].stats[3].goalsAgainst = 1.5;
    league.crossTables[2].stats[3].goalsAgainst = -0.5;
    const TeamStats sum = totals(league, 3);
    QCOMPARE(sum.played, 5.0);
    QCOMPARE(sum.goalsAgainst, 1.0);
    QCOMPARE(sum.points, 0.0);
}

void TestStandings::resultsRowsInScreenOrder() {
    const auto league = leagueWith({{4, 1, 3, 2}, {6, 2, 5, 1}});
    league->teamNames[2] = QStringLiteral("спартак");
    TeamStats &stats = league->crossTables[1].stats[2];
    stats.played = 3;
    stats.losses = 1;
    stats.draws = 0;
    rankTeams(*league);
    const std::vector<ResultsRow> rows = resultsRows(*league);
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[0].position, 1);
    QCOMPARE(rows[0].team, 2);
    QCOMPARE(rows[0].name, QStringLiteral("спартак")); // the window writes it in capitals
    const TeamStats expected{.played = 3,
                             .points = 6,
                             .wins = 2,
                             .losses = 1,
                             .draws = 0,
                             .goalsFor = 5,
                             .goalsAgainst = 1};
    QVERIFY(rows[0].totals == expected);
    QCOMPARE(rows[1].team, 1);
    QCOMPARE(rows[1].value(Counter::Points), 4.0);
}

QTEST_APPLESS_MAIN(TestStandings)
#include "tst_core_standings.moc"
