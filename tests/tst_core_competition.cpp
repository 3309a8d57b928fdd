// The rules of a competition in the core: points per result and the counts that follow them.
#include "core/competition/matchcount.h"
#include "core/competition/pointsscheme.h"
#include "core/competition/withdrawal.h"
#include "core/files/tablefile.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/ranking/ranking.h"
#include "tst_bundesliga_kit.h"

#include <QtTest>
#include <memory>

using namespace soccer;

class TestCompetition : public QObject {
    Q_OBJECT

  private slots:
    void pointsSchemeKeys_data();
    void pointsSchemeKeys();
    void bundesligaUnderEveryScheme_data();
    void bundesligaUnderEveryScheme();
    void technicalResults_data();
    void technicalResults();
    void rulesSurviveSaveAndReopen();
    void tableWithoutRulesKeepsItsBytes();
    void withdrawal_data();
    void withdrawal();
};

namespace {

using Figures = QList<double>; // played, points, wins, losses, draws, goals for, against

Figures figuresOf(const TeamStats &stats) {
    return {stats.played, stats.points,   stats.wins,        stats.losses,
            stats.draws,  stats.goalsFor, stats.goalsAgainst};
}

// The season's first `count` matches in file order (rounds 1, 2, ...), nine a round, saved
// and opened again.
std::unique_ptr<League> seasonUpTo(qsizetype count) {
    auto league = std::make_unique<League>();
    for (const bundesliga::Match &match : bundesliga::readMatches().first(count)) {
        const int home = bundesliga::teamNumber(*league, match.home);
        const int away = bundesliga::teamNumber(*league, match.away);
        enterScore(*league, match.half, home, away, match.answer);
    }
    auto reopened = std::make_unique<League>();
    parseTable(tableBytes(*league), *reopened);
    return reopened;
}

} // namespace

void TestCompetition::pointsSchemeKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("problem");
    QTest::newRow("the default") << "3-1-0" << true << "";
    QTest::newRow("two for a win, en dashes") << "2–1–0" << true << "";
    QTest::newRow("a loss worth a point less") << "3-1--1" << true << "";
    QTest::newRow("a loss above a draw")
        << "3-0-1" << true << "Поражение не может стоить больше очков, чем ничья.";
    QTest::newRow("a draw above a win")
        << "1-2-0" << true << "Ничья не может стоить больше очков, чем победа.";
    QTest::newRow("two numbers") << "3-1" << false << "";
    QTest::newRow("a fraction") << "3.5-1-0" << false << "";
    QTest::newRow("a blank") << "3-1-0 " << false << "";
}

void TestCompetition::pointsSchemeKeys() {
    QFETCH(QString, key);
    QFETCH(bool, read);
    QFETCH(QString, problem);
    const std::optional<PointsScheme> points = pointsSchemeFromKey(key);
    QCOMPARE(points.has_value(), read);
    if (!points)
        return;
    QCOMPARE(pointsSchemeProblem(*points), problem);
    QCOMPARE(pointsSchemeFromKey(pointsSchemeKey(*points)), points);
}

// The season recounted from its cells under a scheme gives every team the points its
// official wins, draws and losses are worth under that scheme.
void TestCompetition::bundesligaUnderEveryScheme_data() {
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("loss");
    QTest::newRow("3-1-0") << 3 << 1 << 0;
    QTest::newRow("2-1-0") << 2 << 1 << 0;
    QTest::newRow("3-1--1") << 3 << 1 << -1;
}

void TestCompetition::bundesligaUnderEveryScheme() {
    QFETCH(int, win);
    QFETCH(int, draw);
    QFETCH(int, loss);
    auto league = std::make_unique<League>();
    bundesliga::replaySeason(*league);
    league->competition.points = {win, draw, loss};
    recountStatistics(*league);
    for (const bundesliga::OfficialRow &row : bundesliga::kOfficial) {
        const int team = bundesliga::teamNumber(*league, QString::fromUtf8(row.team));
        const TeamStats sum = totals(*league, team);
        QCOMPARE(sum.points, win * row.wins + draw * row.draws + loss * row.losses);
        QCOMPARE(sum.goalsFor, row.goalsFor);
        QCOMPARE(sum.played, 34.0);
    }
}

// Answers typed one after another at the score prompt of cell (1, 2) of the first half.
void TestCompetition::technicalResults_data() {
    QTest::addColumn<int>("counting");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<Figures>("row");
    QTest::addColumn<Figures>("column");
    const int goals = int(TechnicalCounting::WithGoals);
    const int pointsOnly = int(TechnicalCounting::PointsOnly);
    QTest::newRow("+ - as 3:0") << goals << QStringList{"+ -"} << "+:-"
                                << "-:+" << Figures{1, 3, 1, 0, 0, 3, 0}
                                << Figures{1, 0, 0, 1, 0, 0, 3};
    QTest::newRow("- + for the points only")
        << pointsOnly << QStringList{"- +"} << "-:+"
        << "+:-" << Figures{1, 0, 0, 1, 0, 0, 0} << Figures{1, 3, 1, 0, 0, 0, 0};
    QTest::newRow("- - a loss for both")
        << goals << QStringList{"- -"} << "-:-"
        << "-:-" << Figures{1, 0, 0, 1, 0, 0, 3} << Figures{1, 0, 0, 1, 0, 0, 3};
    QTest::newRow("replaced by a score")
        << goals << QStringList{"+ -", "1 1"} << " 1: 1"
        << " 1: 1" << Figures{1, 1, 0, 0, 1, 1, 1} << Figures{1, 1, 0, 0, 1, 1, 1};
    QTest::newRow("a score replaced")
        << pointsOnly << QStringList{"2 0", "- +"} << "-:+"
        << "+:-" << Figures{1, 0, 0, 1, 0, 0, 0} << Figures{1, 3, 1, 0, 0, 0, 0};
    QTest::newRow("deleted") << goals << QStringList{"+ -", ""} << ""
                             << "" << Figures{0, 0, 0, 0, 0, 0, 0} << Figures{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("+ + reads as before")
        << goals << QStringList{"+ +"} << " 0: 0"
        << " 0: 0" << Figures{1, 1, 0, 0, 1, 0, 0} << Figures{1, 1, 0, 0, 1, 0, 0};
}

void TestCompetition::technicalResults() {
    QFETCH(int, counting);
    QFETCH(QStringList, answers);
    QFETCH(QString, cell);
    QFETCH(QString, mirror);
    QFETCH(Figures, row);
    QFETCH(Figures, column);
    auto league = std::make_unique<League>();
    league->teamCount = 3;
    league->competition.technical = TechnicalCounting(counting);
    for (const QString &answer : answers)
        QVERIFY(enterScore(*league, 1, 1, 2, answer) != ScoreChange::None);
    const CrossTable &half = league->crossTables[1];
    QCOMPARE(half.cells[1][2], cell);
    QCOMPARE(half.cells[2][1], mirror);
    QCOMPARE(figuresOf(half.stats[1]), row);
    QCOMPARE(figuresOf(half.stats[2]), column);
    // The counts are what a recount from the cells gives.
    recountStatistics(*league);
    QCOMPARE(figuresOf(half.stats[1]), row);
    QCOMPARE(figuresOf(half.stats[2]), column);
}

void TestCompetition::rulesSurviveSaveAndReopen() {
    auto league = std::make_unique<League>();
    league->teamCount = 4;
    league->competition.points = {2, 1, 0};
    league->competition.technical = TechnicalCounting::PointsOnly;
    league->competition.adjustments = {
        {3, -3, QStringLiteral("неуплата; взносов"), {}},
        {1, 2, QStringLiteral("решение КДК"), QStringLiteral("12 тур")}};
    league->competition.relegationPlaces = 2;
    enterScore(*league, 2, 4, 1, QStringLiteral("+ -"));
    const QByteArray bytes = tableBytes(*league);
    auto reopened = std::make_unique<League>();
    QCOMPARE(parseTable(bytes, *reopened), QStringList());
    QVERIFY(reopened->competition == league->competition);
    QCOMPARE(reopened->crossTables[2].cells[4][1], QStringLiteral("+:-"));
    QCOMPARE(reopened->crossTables[2].stats[4].points, 2.0);
    QCOMPARE(totals(*reopened, 3).points, -3.0);
    QCOMPARE(tableBytes(*reopened), bytes);
}

// A table that uses none of the rules is written as before: no line after the names.
void TestCompetition::tableWithoutRulesKeepsItsBytes() {
    auto league = std::make_unique<League>();
    bundesliga::replaySeason(*league);
    const QByteArray before = tableBytes(*league);
    league->competition.points = {2, 1, 0};
    league->competition.adjustments = {{1, -3, QStringLiteral("x"), {}}};
    QVERIFY(tableBytes(*league) != before);
    league->competition = {};
    league->competition.relegationPlaces = 3;
    QVERIFY(tableBytes(*league).endsWith("relegation: 3\r\n"));
    league->competition = {};
    QCOMPARE(tableBytes(*league), before);
    QVERIFY(!before.contains("points: ") && !before.contains("deduction: "));
}

// Hannover 96 withdraws after `rounds` rounds (each team plays 34 matches).
void TestCompetition::withdrawal_data() {
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("kind");
    const int annul = int(WithdrawalChoice::Annul);
    const int technical = int(WithdrawalChoice::TechnicalDefeats);
    const int regulations = int(WithdrawalChoice::ByRegulations);
    const int annulled = int(WithdrawalKind::Annulled);
    const int defeats = int(WithdrawalKind::TechnicalDefeats);
    QTest::newRow("annulled at the end") << 34 << annul << annulled;
    QTest::newRow("defeats after the first half") << 17 << technical << defeats;
    QTest::newRow("regulations, half played") << 17 << regulations << defeats;
    QTest::newRow("regulations, fewer than half") << 16 << regulations << annulled;
    QTest::newRow("annulled after three rounds") << 3 << annul << annulled;
}

void TestCompetition::withdrawal() {
    QFETCH(int, rounds);
    QFETCH(int, choice);
    QFETCH(int, kind);
    auto league = seasonUpTo(9 * rounds);
    const int team = bundesliga::teamNumber(*league, QStringLiteral("Hannover 96"));
    QVERIFY(team <= 18);
    const QByteArray before = tableBytes(*league);
    QCOMPARE(playedMatches(*league, team), rounds);
    QCOMPARE(withdrawTeam(*league, team, WithdrawalChoice(choice)), WithdrawalKind(kind));
    QVERIFY(!withdrawTeam(*league, team, WithdrawalChoice::Annul));
    const Withdrawal &withdrawal = league->competition.withdrawals.back();
    const TeamStats sum = totals(*league, team);
    if (WithdrawalKind(kind) == WithdrawalKind::Annulled) {
        QCOMPARE(sum, TeamStats{});
        QVERIFY(withdrawal.filled.empty());
        // Last under the program's rule and under any other, marked as withdrawn.
        for (const RankingRule &rule :
             {RankingRule(), RankingRule::fromPreset(RulePreset::HeadToHeadFirst)}) {
            const std::vector<RankedRow> rows = rankByRule(*league, rule);
            QCOMPARE(rows.back().team, team);
            QCOMPARE(rows[rows.size() - 2].reason, QStringLiteral("следующая команда снялась"));
        }
    } else {
        QCOMPARE(int(withdrawal.filled.size()), 34 - rounds);
        QCOMPARE(sum.played, 34.0);
        for (const Withdrawal::Cell &cell : withdrawal.filled) {
            QCOMPARE(league->crossTables[cell.half].cells[team][cell.column],
                     QStringLiteral("-:+"));
            QCOMPARE(league->crossTables[cell.half].cells[cell.column][team],
                     QStringLiteral("+:-"));
        }
    }
    auto reopened = std::make_unique<League>();
    QCOMPARE(parseTable(tableBytes(*league), *reopened), QStringList());
    QVERIFY(reopened->competition == league->competition);
    QVERIFY(takeBackWithdrawal(*reopened, team));
    QCOMPARE(tableBytes(*reopened), before);
}

QTEST_APPLESS_MAIN(TestCompetition)
#include "tst_core_competition.moc"
