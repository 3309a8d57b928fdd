// The rules of a competition in the core: points per result and the counts that follow them.
#include "core/competition/matchcount.h"
#include "core/competition/pointsscheme.h"
#include "core/league/standings.h"
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
};

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

QTEST_APPLESS_MAIN(TestCompetition)
#include "tst_core_competition.moc"
