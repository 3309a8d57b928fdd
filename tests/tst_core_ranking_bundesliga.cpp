// The Bundesliga 2015/16 season ranked by the rules: the league's own rule gives its official
// table, the program's rule gives what the results table always showed, and head-to-head
// reorders the two ties of the season.
#include "core/league/standings.h"
#include "core/ranking/ranking.h"
#include "tst_bundesliga_kit.h"

#include <QtTest>
#include <memory>

using namespace soccer;

namespace {

QStringList officialOrder() {
    QStringList teams;
    for (const bundesliga::OfficialRow &row : bundesliga::kOfficial)
        teams.append(QString::fromUtf8(row.team));
    return teams;
}

// The reason of each named team, the team above the next one.
QMap<QString, QString> reasonsByName(const League &league, const std::vector<RankedRow> &rows) {
    QMap<QString, QString> reasons;
    for (const RankedRow &row : rows)
        reasons.insert(league.teamNames[row.team], row.reason);
    return reasons;
}

QStringList namesOf(const League &league, const std::vector<RankedRow> &rows) {
    QStringList names;
    for (const RankedRow &row : rows)
        names.append(league.teamNames[row.team]);
    return names;
}

} // namespace

Q_DECLARE_METATYPE(RankingRule)

class TestRankingBundesliga : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void leaguesOwnRuleGivesTheOfficialTable_data();
    void leaguesOwnRuleGivesTheOfficialTable();
    void programRuleIsToday();
    void headToHeadFirst();

  private:
    std::unique_ptr<League> league_ = std::make_unique<League>();
};

void TestRankingBundesliga::initTestCase() {
    QCOMPARE(bundesliga::replaySeason(*league_).matches, 306);
    QCOMPARE(league_->teamCount, 18);
}

void TestRankingBundesliga::leaguesOwnRuleGivesTheOfficialTable_data() {
    QTest::addColumn<RankingRule>("rule");
    QTest::newRow("points, goal difference, goals for")
        << RankingRule::custom({Criterion::GoalDifference, Criterion::GoalsFor});
    QTest::newRow("the same, then head-to-head")
        << RankingRule::fromPreset(RulePreset::GoalsThenHeadToHead);
}

void TestRankingBundesliga::leaguesOwnRuleGivesTheOfficialTable() {
    QFETCH(RankingRule, rule);
    const std::vector<RankedRow> rows = rankByRule(*league_, rule);
    QCOMPARE(namesOf(*league_, rows), officialOrder());
    const auto reasons = reasonsByName(*league_, rows);
    QCOMPARE(reasons["FC Augsburg"], QStringLiteral("по разнице мячей: -10 – -15"));
    QCOMPARE(reasons["Werder Bremen"], QStringLiteral("по забитым мячам: 50 – 38"));
    QCOMPARE(reasons["SV Darmstadt 98"], QString()); // 38 points against Hoffenheim's 37
    QCOMPARE(reasons["1. FSV Mainz 05"], QStringLiteral("по разнице мячей: +4 – 0"));
    QCOMPARE(reasons["Hannover 96"], QString());
    for (const RankedRow &row : rows)
        QCOMPARE(row.place, QString::number(row.position));
}

// The order of rankTeams; Bremen stands above Darmstadt on wins, as the program's rule
// compares wins before goals.
void TestRankingBundesliga::programRuleIsToday() {
    rankTeams(*league_);
    const auto expected = league_->standingsOrder;
    league_->standingsOrder.fill(0);
    const std::vector<RankedRow> rows = rankByRule(*league_);
    QCOMPARE(league_->standingsOrder, expected);
    for (const RankedRow &row : rows)
        QCOMPARE(row.team, expected[std::size_t(row.position)]);
    const auto reasons = reasonsByName(*league_, rows);
    QCOMPARE(reasons["FC Augsburg"], QStringLiteral("по разнице мячей: -10 – -15"));
    QCOMPARE(reasons["Werder Bremen"], QStringLiteral("по победам: 10 – 9"));
    QCOMPARE(reasons["SV Darmstadt 98"], QString());
}

// Among the three on 38: Darmstadt 8 points (won at Augsburg 2:0, beat Bremen 2:1, two
// draws), Augsburg and Bremen 4 each. Over the three, Bremen has the better difference (-1
// against -2), but the pair goes back to its own two matches (2:1 each away), which leave it
// level, and then goal difference puts Augsburg first. Hertha took 4 points from Mainz.
void TestRankingBundesliga::headToHeadFirst() {
    const std::vector<RankedRow> rows =
        rankByRule(*league_, RankingRule::fromPreset(RulePreset::HeadToHeadFirst));
    QStringList expected = officialOrder();
    expected.move(expected.indexOf("Hertha BSC"), expected.indexOf("1. FSV Mainz 05"));
    expected.move(expected.indexOf("SV Darmstadt 98"), expected.indexOf("FC Augsburg"));
    QCOMPARE(namesOf(*league_, rows), expected);
    const auto reasons = reasonsByName(*league_, rows);
    QCOMPARE(reasons["SV Darmstadt 98"], QStringLiteral("по личным встречам: очки 8 – 4"));
    QCOMPARE(reasons["FC Augsburg"], QStringLiteral("по разнице мячей: -10 – -15"));
    QCOMPARE(reasons["Werder Bremen"], QString());
    QCOMPARE(reasons["Hertha BSC"], QStringLiteral("по личным встречам: очки 4 – 1"));
}

QTEST_APPLESS_MAIN(TestRankingBundesliga)
#include "tst_core_ranking_bundesliga.moc"
