// Score entry on one cross-table: the answers of the score prompt, take-back and counting.
#include "core/league/matchresult.h"
#include "core/league/score.h"

#include <QtTest>
#include <memory>

using namespace soccer;

Q_DECLARE_METATYPE(soccer::MatchResult)

namespace {

TeamStats stats(double played, double wins, double draws, double losses, double goalsFor,
                double goalsAgainst, double points) {
    TeamStats result;
    result.played = played;
    result.wins = wins;
    result.draws = draws;
    result.losses = losses;
    result.goalsFor = goalsFor;
    result.goalsAgainst = goalsAgainst;
    result.points = points;
    return result;
}

} // namespace

class TestScore : public QObject {
    Q_OBJECT

  private slots:
    void init() { table_ = std::make_unique<CrossTable>(); }

    void firstResultIsWrittenTwiceAndCounted();
    void resultChangedFromTheMirrorCell();
    void defaultAnswerIsADraw();
    void answerWithoutBlankChangesNothing();
    void emptyAnswerDeletes();
    void emptyAnswerOnFreePairChangesNothing();
    void typedAnswers_data();
    void typedAnswers();
    void loadedTextWithoutBlankIsTakenBack();
    void storedTextWithoutColonBlocksThePair();
    void cellsOutsideThePairsChangeNothing_data();
    void cellsOutsideThePairsChangeNothing();
    void fractionalResultTakenBackExactly();
    void countResult_data();
    void countResult();
    void splitScoreText();
    void matchResultOfCell_data();
    void matchResultOfCell();

  private:
    std::unique_ptr<CrossTable> table_;
};

void TestScore::firstResultIsWrittenTwiceAndCounted() {
    QCOMPARE(enterScore(*table_, 3, 5, "2 1"), ScoreChange::Recorded);
    QCOMPARE(table_->cells[3][5], QStringLiteral(" 2: 1"));
    QCOMPARE(table_->cells[5][3], QStringLiteral(" 1: 2"));
    QCOMPARE(table_->stats[3], stats(1, 1, 0, 0, 2, 1, 3));
    QCOMPARE(table_->stats[5], stats(1, 0, 0, 1, 1, 2, 0));
}

void TestScore::resultChangedFromTheMirrorCell() {
    enterScore(*table_, 3, 5, "2 1");
    QCOMPARE(enterScore(*table_, 5, 3, "0 3"), ScoreChange::Recorded);
    QCOMPARE(table_->cells[5][3], QStringLiteral(" 0: 3"));
    QCOMPARE(table_->cells[3][5], QStringLiteral(" 3: 0"));
    QCOMPARE(table_->stats[3], stats(1, 1, 0, 0, 3, 0, 3));
    QCOMPARE(table_->stats[5], stats(1, 0, 0, 1, 0, 3, 0));
}

void TestScore::defaultAnswerIsADraw() {
    QCOMPARE(enterScore(*table_, 1, 2, "0 0"), ScoreChange::Recorded);
    QCOMPARE(table_->cells[1][2], QStringLiteral(" 0: 0"));
    QCOMPARE(table_->stats[1], stats(1, 0, 1, 0, 0, 0, 1));
    QCOMPARE(table_->stats[2], stats(1, 0, 1, 0, 0, 0, 1));
}

void TestScore::answerWithoutBlankChangesNothing() {
    QCOMPARE(enterScore(*table_, 1, 2, "2:1"), ScoreChange::None);
    QCOMPARE(table_->cells[1][2], QString());
    QCOMPARE(table_->stats[1], TeamStats{});
    enterScore(*table_, 1, 2, "4 4");
    QCOMPARE(enterScore(*table_, 1, 2, "2:1"), ScoreChange::None);
    QCOMPARE(table_->cells[1][2], QStringLiteral(" 4: 4"));
    QCOMPARE(table_->stats[2], stats(1, 0, 1, 0, 4, 4, 1));
}

void TestScore::emptyAnswerDeletes() {
    enterScore(*table_, 2, 4, "1 3");
    QCOMPARE(enterScore(*table_, 4, 2, QString()), ScoreChange::Deleted);
    QCOMPARE(table_->cells[2][4], QString());
    QCOMPARE(table_->cells[4][2], QString());
    QCOMPARE(table_->stats[2], TeamStats{});
    QCOMPARE(table_->stats[4], TeamStats{});
}

void TestScore::emptyAnswerOnFreePairChangesNothing() {
    enterScore(*table_, 1, 3, "1 0");
    const CrossTable before = *table_;
    QCOMPARE(enterScore(*table_, 1, 2, QString()), ScoreChange::None);
    QCOMPARE(table_->cells, before.cells);
    QCOMPARE(table_->stats, before.stats);
}

void TestScore::typedAnswers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<TeamStats>("row");
    QTest::newRow("leading blank") << " 2 1"
                                   << " 0: 21"
                                   << " 21: 0" << stats(1, 0, 0, 1, 0, 21, 0);
    QTest::newRow("single blank") << " "
                                  << " 0: 0"
                                  << " 0: 0" << stats(1, 0, 1, 0, 0, 0, 1);
    QTest::newRow("second blank joins") << "3 1 0"
                                        << " 3: 10"
                                        << " 10: 3" << stats(1, 0, 0, 1, 3, 10, 0);
    QTest::newRow("letters") << "a b"
                             << " 0: 0"
                             << " 0: 0" << stats(1, 0, 1, 0, 0, 0, 1);
    QTest::newRow("fraction") << "1.5 2"
                              << " 1.5: 2"
                              << " 2: 1.5" << stats(1, 0, 0, 1, 1.5, 2, 0);
    QTest::newRow("negative") << "-1 2"
                              << "-1: 2"
                              << " 2:-1" << stats(1, 0, 0, 1, -1, 2, 0);
    QTest::newRow("below one") << "0.5 0"
                               << " .5: 0"
                               << " 0: .5" << stats(1, 1, 0, 0, 0.5, 0, 3);
    QTest::newRow("decimal comma stops") << "1,9 1"
                                         << " 1: 1"
                                         << " 1: 1" << stats(1, 0, 1, 0, 1, 1, 1);
}

void TestScore::typedAnswers() {
    QFETCH(QString, answer);
    QFETCH(QString, cell);
    QFETCH(QString, mirror);
    QFETCH(TeamStats, row);
    QCOMPARE(enterScore(*table_, 2, 7, answer), ScoreChange::Recorded);
    QCOMPARE(table_->cells[2][7], cell);
    QCOMPARE(table_->cells[7][2], mirror);
    QCOMPARE(table_->stats[2], row);
    // The column team sees the same match the other way round.
    const TeamStats column = table_->stats[7];
    QCOMPARE(column.goalsFor, row.goalsAgainst);
    QCOMPARE(column.goalsAgainst, row.goalsFor);
    QCOMPARE(column.wins, row.losses);
    QCOMPARE(column.draws, row.draws);
}

void TestScore::loadedTextWithoutBlankIsTakenBack() {
    table_->cells[1][2] = QStringLiteral("2: 1");
    table_->cells[2][1] = QStringLiteral("1: 2");
    table_->stats[1] = stats(1, 1, 0, 0, 2, 1, 3);
    table_->stats[2] = stats(1, 0, 0, 1, 1, 2, 0);
    QCOMPARE(enterScore(*table_, 1, 2, "1 1"), ScoreChange::Recorded);
    QCOMPARE(table_->stats[1], stats(1, 0, 1, 0, 1, 1, 1));
    QCOMPARE(enterScore(*table_, 2, 1, ""), ScoreChange::Deleted);
    QCOMPARE(table_->stats[1], TeamStats{});
    QCOMPARE(table_->stats[2], TeamStats{});
}

// Only a damaged file can bring such a text; the pair then stays as loaded.
void TestScore::storedTextWithoutColonBlocksThePair() {
    table_->cells[1][2] = QStringLiteral("abc");
    table_->stats[1] = stats(5, 1, 1, 1, 1, 1, 1);
    for (const QString &answer : {QString(), QStringLiteral("2 1")}) {
        QCOMPARE(enterScore(*table_, 1, 2, answer), ScoreChange::None);
        QCOMPARE(table_->cells[1][2], QStringLiteral("abc"));
        QCOMPARE(table_->cells[2][1], QString());
        QCOMPARE(table_->stats[1], stats(5, 1, 1, 1, 1, 1, 1));
        QCOMPARE(table_->stats[2], TeamStats{});
    }
}

void TestScore::cellsOutsideThePairsChangeNothing_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("c");
    QTest::newRow("diagonal") << 4 << 4;
    QTest::newRow("index 0") << 0 << 3;
    QTest::newRow("beyond 99") << 3 << 100;
    QTest::newRow("negative") << -1 << 2;
}

void TestScore::cellsOutsideThePairsChangeNothing() {
    QFETCH(int, r);
    QFETCH(int, c);
    QCOMPARE(enterScore(*table_, r, c, "1 0"), ScoreChange::None);
    QCOMPARE(table_->stats, CrossTable{}.stats);
    QCOMPARE(table_->cells, CrossTable{}.cells);
}

// The stored text must give back exactly the numbers that were counted.
void TestScore::fractionalResultTakenBackExactly() {
    enterScore(*table_, 1, 2, "0.1 0.7");
    enterScore(*table_, 1, 2, "1 1");
    QCOMPARE(table_->stats[1], stats(1, 0, 1, 0, 1, 1, 1));
    enterScore(*table_, 3, 4, "1e-3 123456.789012345");
    enterScore(*table_, 4, 3, "");
    QCOMPARE(table_->stats[3], TeamStats{});
    QCOMPARE(table_->stats[4], TeamStats{});
}

void TestScore::countResult_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<TeamStats>("row");
    QTest::addColumn<TeamStats>("column");
    QTest::newRow("row wins") << 3.0 << 1.0 << stats(1, 1, 0, 0, 3, 1, 3)
                              << stats(1, 0, 0, 1, 1, 3, 0);
    QTest::newRow("column wins") << 0.0 << 2.0 << stats(1, 0, 0, 1, 0, 2, 0)
                                 << stats(1, 1, 0, 0, 2, 0, 3);
    QTest::newRow("draw") << 2.0 << 2.0 << stats(1, 0, 1, 0, 2, 2, 1) << stats(1, 0, 1, 0, 2, 2, 1);
}

void TestScore::countResult() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(TeamStats, row);
    QFETCH(TeamStats, column);
    League league;
    soccer::countResult(league, 2, 6, 9, x, y, +1);
    QCOMPARE(league.crossTables[2].stats[6], row);
    QCOMPARE(league.crossTables[2].stats[9], column);
    QCOMPARE(league.crossTables[1].stats[6], TeamStats{});
    soccer::countResult(league, 2, 6, 9, x, y, -1);
    QCOMPARE(league.crossTables[2].stats[6], TeamStats{});
    QCOMPARE(league.crossTables[2].stats[9], TeamStats{});
}

void TestScore::splitScoreText() {
    double x = 7;
    double y = 7;
    QVERIFY(!soccer::splitScoreText("2 1", x, y));
    QCOMPARE(x, 7.0);
    QVERIFY(soccer::splitScoreText(" 10: 2:5", x, y));
    QCOMPARE(x, 10.0);
    QCOMPARE(y, 2.0);
    QVERIFY(soccer::splitScoreText(":", x, y));
    QCOMPARE(x, 0.0);
    QCOMPARE(scoreText(-1, 3), QStringLiteral("-1: 3"));
}

void TestScore::matchResultOfCell_data() {
    using Kind = MatchResult::Kind;
    QTest::addColumn<QString>("cell");
    QTest::addColumn<MatchResult>("expected");
    const auto score = [](double home, double away) {
        return MatchResult{Kind::Score, home, away, false, false};
    };
    const auto technical = [](bool home, bool away) {
        return MatchResult{Kind::Technical, 0, 0, home, away};
    };
    QTest::newRow("empty") << QString() << MatchResult{};
    QTest::newRow("no colon") << QStringLiteral("2 1") << MatchResult{};
    QTest::newRow("score") << QStringLiteral(" 2: 1") << score(2, 1);
    QTest::newRow("fraction") << QStringLiteral("-1: .5") << score(-1, 0.5);
    QTest::newRow("home awarded") << QStringLiteral("+:-") << technical(true, false);
    QTest::newRow("away awarded") << QStringLiteral("-:+") << technical(false, true);
    QTest::newRow("neither") << QStringLiteral("-:-") << technical(false, false);
    // Anything else is read by the score rules, as it always was.
    QTest::newRow("both awarded") << QStringLiteral("+:+") << score(0, 0);
    QTest::newRow("blank inside") << QStringLiteral("+ :-") << score(0, 0);
    QTest::newRow("sign and goals") << QStringLiteral("+3:-") << score(3, 0);
}

void TestScore::matchResultOfCell() {
    QFETCH(QString, cell);
    QFETCH(MatchResult, expected);
    QCOMPARE(readMatchResult(cell), expected);
    if (expected.kind == MatchResult::Kind::Technical)
        QCOMPARE(technicalResultText(expected.homeAwarded, expected.awayAwarded), cell);
}

QTEST_APPLESS_MAIN(TestScore)
#include "tst_core_score.moc"
