// Ranking by a rule: mini-leagues, shared places, the reasons, and the program's own rule.
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/ranking/ranking.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <tuple>

using namespace soccer;

namespace {

struct Played {
    int half;
    int row;
    int column;
    int rowGoals;
    int columnGoals;
};

// Teams 1..count with the given results typed in at the score prompt.
std::unique_ptr<League> leagueOf(int count, std::initializer_list<Played> matches) {
    auto league = std::make_unique<League>();
    league->teamCount = count;
    for (int t = 1; t <= count; ++t)
        league->teamNames[t] = QStringLiteral("Команда %1").arg(t);
    for (const Played &m : matches) {
        const QString answer = QStringLiteral("%1 %2").arg(m.rowGoals).arg(m.columnGoals);
        if (enterScore(league->crossTables[m.half], m.row, m.column, answer) !=
            ScoreChange::Recorded)
            qFatal("match %d-%d not recorded", m.row, m.column);
    }
    return league;
}

// All on 6 points with two wins each. Among teams 1-3 team 3 beat both others and team 2 beat
// team 1, but their goal differences run the other way: 1 +8, 2 +1, 3 -4. Team 5 has 9
// points, team 4 has 3.
std::unique_ptr<League> headToHeadAgainstGoalDifference() {
    return leagueOf(5, {{1, 3, 1, 1, 0},
                        {1, 3, 2, 1, 0},
                        {1, 2, 1, 1, 0},
                        {1, 1, 4, 5, 0},
                        {1, 1, 5, 5, 0},
                        {1, 2, 4, 2, 0},
                        {1, 2, 5, 0, 1},
                        {1, 3, 4, 0, 3},
                        {1, 3, 5, 0, 3},
                        {1, 5, 4, 1, 0}});
}

// Teams 1-4 all on 7 points. Among themselves: 1 has 7, 2 and 3 have 4, 4 has 1. Team 2 beat
// team 3, although over the four team 3 has the better difference (+4 against 0): only
// re-applying the mini-league to the pair's own match puts 2 above 3. Team 6 has 3 points,
// team 5 none.
std::unique_ptr<League> fourTeamTie() {
    return leagueOf(6, {{1, 1, 2, 1, 0},
                        {1, 1, 3, 0, 0},
                        {1, 1, 4, 1, 0},
                        {1, 2, 3, 1, 0},
                        {1, 2, 4, 0, 0},
                        {1, 3, 4, 5, 0},
                        {1, 2, 5, 1, 0},
                        {1, 3, 5, 1, 0},
                        {1, 4, 5, 1, 0},
                        {1, 4, 6, 1, 0},
                        {1, 6, 5, 1, 0}});
}

// Team 1 beats everyone, team 4 loses to everyone; teams 2 and 3 drew 1:1 and are equal in
// every figure.
std::unique_ptr<League> unbreakableTie() {
    return leagueOf(4, {{1, 1, 2, 1, 0},
                        {1, 1, 3, 1, 0},
                        {1, 1, 4, 1, 0},
                        {1, 2, 3, 1, 1},
                        {1, 2, 4, 1, 0},
                        {1, 3, 4, 1, 0}});
}

// Teams 1-3 beat each other in a circle (1 beat 2, 2 beat 3, 3 beat 1) and all beat team 4;
// 1 by 3:0, so 1 has +3 and 2 and 3 have +1 each.
std::unique_ptr<League> circleOfWins() {
    return leagueOf(4, {{1, 1, 2, 1, 0},
                        {1, 2, 3, 1, 0},
                        {1, 3, 1, 1, 0},
                        {1, 1, 4, 3, 0},
                        {1, 2, 4, 1, 0},
                        {1, 3, 4, 1, 0}});
}

// Teams 1 and 2 drew 1:1 in the second half; in the first half their cells hold "3 0" and
// "0 3", a text without ':' and so no match. Both beat team 3, team 2 by 4:0.
std::unique_ptr<League> textThatIsNoScore() {
    auto league = leagueOf(3, {{2, 1, 2, 1, 1}, {1, 1, 3, 1, 0}, {1, 2, 3, 4, 0}});
    league->crossTables[1].cells[1][2] = QStringLiteral("3 0");
    league->crossTables[1].cells[2][1] = QStringLiteral("0 3");
    return league;
}

// Teams 1 and 2 won one match each: 1:0 for team 1 in the first half, 3:0 for team 2 in the
// second. Team 3 played nobody.
std::unique_ptr<League> bothHalves() {
    return leagueOf(3, {{1, 1, 2, 1, 0}, {2, 2, 1, 3, 0}});
}

using Builder = std::unique_ptr<League> (*)();

QList<int> teamsOf(const std::vector<RankedRow> &rows) {
    QList<int> teams;
    for (const RankedRow &row : rows)
        teams.append(row.team);
    return teams;
}

QStringList placesOf(const std::vector<RankedRow> &rows) {
    QStringList places;
    for (const RankedRow &row : rows)
        places.append(row.place);
    return places;
}

QStringList reasonsOf(const std::vector<RankedRow> &rows) {
    QStringList reasons;
    for (const RankedRow &row : rows)
        reasons.append(row.reason);
    return reasons;
}

QList<int> standingsOf(const League &league) {
    QList<int> teams;
    for (int p = 1; p <= league.teamCount; ++p)
        teams.append(league.standingsOrder[p]);
    return teams;
}

QStringList distinctPlaces(int count) {
    QStringList places;
    for (int p = 1; p <= count; ++p)
        places.append(QString::number(p));
    return places;
}

const RankingRule kProgram;
const RankingRule kGoalsFirst = RankingRule::fromPreset(RulePreset::GoalsThenHeadToHead);
const RankingRule kHeadToHeadFirst = RankingRule::fromPreset(RulePreset::HeadToHeadFirst);

// A season of random results, so that many ties on points occur.
std::unique_ptr<League> randomLeague(QRandomGenerator &random, int count) {
    auto league = std::make_unique<League>();
    league->teamCount = count;
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= count; ++r) {
            for (int c = r + 1; c <= count; ++c) {
                if (random.bounded(4) == 0)
                    continue;
                const QString answer =
                    QStringLiteral("%1 %2").arg(random.bounded(3)).arg(random.bounded(3));
                enterScore(league->crossTables[k], r, c, answer);
            }
        }
    }
    return league;
}

} // namespace

Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(RankingRule)

class TestRanking : public QObject {
    Q_OBJECT

  private slots:
    void rankings_data();
    void rankings();
    void programRuleIsTheResultsTablesRule();
    void programRuleReasonsFollowItsOrder();
    void criteriaWithoutHeadToHeadSortLikeKeys();
    void everyRuleRanksEveryTeamOnce();
    void previewLeavesTheShownOrder();
    void emptyTable();
};

void TestRanking::rankings_data() {
    QTest::addColumn<Builder>("build");
    QTest::addColumn<RankingRule>("rule");
    QTest::addColumn<QList<int>>("teams");
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("reasons");

    const QStringList five = distinctPlaces(5);
    QTest::newRow("three level: head-to-head first")
        << Builder(headToHeadAgainstGoalDifference) << kHeadToHeadFirst << QList{5, 3, 2, 1, 4}
        << five
        << QStringList{"", "по личным встречам: очки 6 – 3", "по личным встречам: очки 3 – 0", "",
                       ""};
    QTest::newRow("three level: goal difference first")
        << Builder(headToHeadAgainstGoalDifference) << kGoalsFirst << QList{5, 1, 2, 3, 4} << five
        << QStringList{"", "по разнице мячей: +8 – +1", "по разнице мячей: +1 – -4", "", ""};
    QTest::newRow("three level: program's rule")
        << Builder(headToHeadAgainstGoalDifference) << kProgram << QList{5, 1, 2, 3, 4} << five
        << QStringList{"", "по разнице мячей: +8 – +1", "по разнице мячей: +1 – -4", "", ""};

    QTest::newRow("four level: the pair re-applies its own match")
        << Builder(fourTeamTie) << kHeadToHeadFirst << QList{1, 2, 3, 4, 6, 5} << distinctPlaces(6)
        << QStringList{"по личным встречам: очки 7 – 4",
                       "по личным встречам: очки 3 – 0",
                       "по личным встречам: очки 4 – 1",
                       "",
                       "",
                       ""};
    QTest::newRow("four level: goal difference first")
        << Builder(fourTeamTie) << kGoalsFirst << QList{3, 1, 2, 4, 6, 5} << distinctPlaces(6)
        << QStringList{"по разнице мячей: +5 – +2",
                       "по разнице мячей: +2 – +1",
                       "по разнице мячей: +1 – -4",
                       "",
                       "",
                       ""};

    const QStringList shared{"1", "2–3", "2–3", "4"};
    const QStringList noReasons{"", "", "", ""};
    QTest::newRow("unbreakable: head-to-head first")
        << Builder(unbreakableTie) << kHeadToHeadFirst << QList{1, 2, 3, 4} << shared << noReasons;
    QTest::newRow("unbreakable: goal difference first")
        << Builder(unbreakableTie) << kGoalsFirst << QList{1, 2, 3, 4} << shared << noReasons;
    QTest::newRow("unbreakable: custom with the program's criteria")
        << Builder(unbreakableTie)
        << RankingRule::custom({Criterion::Wins, Criterion::GoalDifference, Criterion::GoalsFor})
        << QList{1, 2, 3, 4} << shared << noReasons;
    QTest::newRow("unbreakable: custom with no criteria")
        << Builder(unbreakableTie) << RankingRule::fromPreset(RulePreset::Custom)
        << QList{1, 2, 3, 4} << shared << noReasons;
    QTest::newRow("unbreakable: program's rule")
        << Builder(unbreakableTie) << kProgram << QList{1, 2, 3, 4} << distinctPlaces(4)
        << QStringList{"", "по номеру команды: 2 – 3", "", ""};

    QTest::newRow("circle: goal difference never returns to head-to-head")
        << Builder(circleOfWins)
        << RankingRule::custom({Criterion::HeadToHeadPoints, Criterion::GoalDifference})
        << QList{1, 2, 3, 4} << shared << QStringList{"по разнице мячей: +3 – +1", "", "", ""};
    QTest::newRow("circle: a later head-to-head run starts afresh")
        << Builder(circleOfWins)
        << RankingRule::custom({Criterion::HeadToHeadPoints, Criterion::GoalDifference,
                                Criterion::HeadToHeadDifference})
        << QList{1, 2, 3, 4} << distinctPlaces(4)
        << QStringList{"по разнице мячей: +3 – +1", "по личным встречам: разница +1 – -1", "", ""};

    QTest::newRow("text without a colon is no match")
        << Builder(textThatIsNoScore)
        << RankingRule::custom({Criterion::HeadToHeadPoints, Criterion::HeadToHeadDifference,
                                Criterion::HeadToHeadGoalsFor, Criterion::GoalsFor})
        << QList{2, 1, 3} << distinctPlaces(3) << QStringList{"по забитым мячам: 5 – 2", "", ""};
    QTest::newRow("both halves count")
        << Builder(bothHalves) << kHeadToHeadFirst << QList{2, 1, 3} << distinctPlaces(3)
        << QStringList{"по личным встречам: разница +2 – -2", "", ""};
}

void TestRanking::rankings() {
    QFETCH(Builder, build);
    QFETCH(RankingRule, rule);
    QFETCH(QList<int>, teams);
    QFETCH(QStringList, places);
    QFETCH(QStringList, reasons);

    const auto league = build();
    const std::vector<RankedRow> rows = rankByRule(*league, rule);
    QCOMPARE(teamsOf(rows), teams);
    QCOMPARE(placesOf(rows), places);
    QCOMPARE(reasonsOf(rows), reasons);
    QCOMPARE(standingsOf(*league), teams);
    for (std::size_t i = 0; i < rows.size(); ++i)
        QCOMPARE(rows[i].position, int(i) + 1);
}

// The default rule is rankTeams itself, whatever the totals: random seasons with many ties.
void TestRanking::programRuleIsTheResultsTablesRule() {
    QRandomGenerator random(20151);
    for (int round = 0; round < 200; ++round) {
        const auto league = randomLeague(random, 2 + int(random.bounded(17)));
        rankTeams(*league);
        const QList<int> expected = standingsOf(*league);
        league->standingsOrder.fill(0);
        const std::vector<RankedRow> rows = rankByRule(*league);
        QCOMPARE(teamsOf(rows), expected);
        QCOMPARE(standingsOf(*league), expected);
        QCOMPARE(placesOf(rows), distinctPlaces(league->teamCount));
        QVERIFY(rows.back().reason.isEmpty());
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            const Separation &gap = rows[i].separation;
            QVERIFY(gap.by != Separation::By::Nothing);
            if (gap.by != Separation::By::TeamNumber)
                continue;
            const TeamStats above = totals(*league, rows[i].team);
            const TeamStats below = totals(*league, rows[i + 1].team);
            QVERIFY(gap.above < gap.below);
            QCOMPARE(above.wins, below.wins);
            QCOMPARE(above.goalsFor - above.goalsAgainst, below.goalsFor - below.goalsAgainst);
            QCOMPARE(above.goalsFor, below.goalsFor);
        }
    }
}

// Three teams on 15 points: team 1 with 4 wins and 0, team 2 with 3 wins and +3, team 3 with
// 5 wins and -5. The scan ranks 3, 2, 1: team 2 stands above team 1 on goal difference
// although it has fewer wins.
void TestRanking::programRuleReasonsFollowItsOrder() {
    auto league = std::make_unique<League>();
    league->teamCount = 3;
    const double wins[] = {4, 3, 5};
    const double difference[] = {0, 3, -5};
    for (int t = 1; t <= 3; ++t) {
        TeamStats &stats = league->crossTables[1].stats[t];
        stats.points = 15;
        stats.wins = wins[t - 1];
        stats.goalsFor = 10 + difference[t - 1];
        stats.goalsAgainst = 10;
    }
    const std::vector<RankedRow> rows = rankByRule(*league);
    QCOMPARE(teamsOf(rows), (QList{3, 1, 2}));
    QCOMPARE(reasonsOf(rows), (QStringList{"по победам: 5 – 4", "по победам: 4 – 3", ""}));
    QCOMPARE(rows[0].separation, (Separation{Separation::By::Criterion, Criterion::Wins, 5, 4}));
}

// Without head-to-head a rule is a plain sort by (points, criteria...), ties in team order and
// sharing their place: checked against that sort on random seasons for every order of the
// three criteria.
void TestRanking::criteriaWithoutHeadToHeadSortLikeKeys() {
    std::vector<Criterion> criteria{Criterion::GoalDifference, Criterion::GoalsFor,
                                    Criterion::Wins};
    std::ranges::sort(criteria);
    QRandomGenerator random(1516);
    do {
        const RankingRule rule = RankingRule::custom(criteria);
        for (int round = 0; round < 30; ++round) {
            const auto league = randomLeague(random, 2 + int(random.bounded(30)));
            using Key = std::tuple<double, double, double, double>;
            const auto keyOf = [&](int team) {
                const TeamStats s = totals(*league, team);
                double values[3];
                for (int i = 0; i < 3; ++i) {
                    values[i] = criteria[std::size_t(i)] == Criterion::Wins ? s.wins
                                : criteria[std::size_t(i)] == Criterion::GoalsFor
                                    ? s.goalsFor
                                    : s.goalsFor - s.goalsAgainst;
                }
                return Key{s.points, values[0], values[1], values[2]};
            };
            QList<int> expected;
            for (int t = 1; t <= league->teamCount; ++t)
                expected.append(t);
            std::ranges::stable_sort(expected, [&](int a, int b) { return keyOf(a) > keyOf(b); });

            const std::vector<RankedRow> rows = rankByRule(*league, rule);
            QCOMPARE(teamsOf(rows), expected);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const RankedRow &row = rows[i];
                const int first =
                    int(std::ranges::find_if(expected,
                                             [&](int t) { return keyOf(t) == keyOf(row.team); }) -
                        expected.begin());
                QCOMPARE(row.firstPlace, first + 1);
                QCOMPARE(row.lastPlace, int(std::ranges::count_if(expected, [&](int t) {
                             return keyOf(t) >= keyOf(row.team);
                         })));
            }
        }
    } while (std::ranges::next_permutation(criteria).found);
}

// Whatever the results, every rule lists each team once, places grow down the table and a
// shared place has no reason inside it.
void TestRanking::everyRuleRanksEveryTeamOnce() {
    QRandomGenerator random(99);
    for (int round = 0; round < 60; ++round) {
        const auto league = randomLeague(random, 2 + int(random.bounded(40)));
        for (RulePreset preset : kAllPresets) {
            const std::vector<RankedRow> rows =
                rankByRule(*league, RankingRule::fromPreset(preset));
            QList<int> teams = teamsOf(rows);
            std::ranges::sort(teams);
            for (int t = 1; t <= league->teamCount; ++t)
                QCOMPARE(teams[t - 1], t);
            for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
                const bool shared = rows[i].lastPlace == rows[i + 1].lastPlace;
                QCOMPARE(shared, rows[i].separation.by == Separation::By::Nothing);
                QVERIFY(rows[i].firstPlace <= rows[i + 1].firstPlace);
                if (shared)
                    QCOMPARE(rows[i].team < rows[i + 1].team, true);
            }
        }
    }
}

void TestRanking::previewLeavesTheShownOrder() {
    const auto league = fourTeamTie();
    orderByCounter(*league, Counter::GoalsFor);
    const auto shown = league->standingsOrder;
    const std::vector<RankedRow> preview = rankingPreview(*league, kHeadToHeadFirst);
    QCOMPARE(league->standingsOrder, shown);
    QCOMPARE(teamsOf(preview), teamsOf(rankByRule(*league, kHeadToHeadFirst)));
    QCOMPARE(placesOf(preview), distinctPlaces(6));
}

void TestRanking::emptyTable() {
    auto league = std::make_unique<League>();
    for (RulePreset preset : kAllPresets)
        QVERIFY(rankByRule(*league, RankingRule::fromPreset(preset)).empty());
}

QTEST_APPLESS_MAIN(TestRanking)
#include "tst_core_ranking.moc"
