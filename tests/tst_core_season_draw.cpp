// The round-robin draw: every pair once a half, one match a team a round, the free team of an
// odd league, the fewest breaks, the mirrored second half, dates and the shuffled numbering.
#include "core/season/draw.h"

#include <QtTest>
#include <map>
#include <set>

using namespace soccer;

Q_DECLARE_METATYPE(soccer::Fixture)

class TestSeasonDraw : public QObject {
    Q_OBJECT

  private slots:
    void everyLeagueSize_data();
    void everyLeagueSize();
    void secondHalfMirrorsTheFirst();
    void datesFollowTheRounds_data();
    void datesFollowTheRounds();
    void shuffleIsASeededRenumbering();
    void calendarProblems_data();
    void calendarProblems();
};

void TestSeasonDraw::everyLeagueSize_data() {
    QTest::addColumn<int>("teams");
    for (int n = 4; n <= 99; ++n)
        QTest::addRow("%d teams", n) << n;
}

void TestSeasonDraw::everyLeagueSize() {
    QFETCH(int, teams);
    const Calendar calendar = drawCalendar(teams, {});
    const int rounds = roundsPerHalf(teams);
    QCOMPARE(roundCount(calendar), 2 * rounds);
    QCOMPARE(int(calendar.fixtures.size()), teams * (teams - 1));
    for (int half = 1; half <= 2; ++half) {
        std::set<std::pair<int, int>> pairs;
        std::map<int, std::set<int>> playing; // round -> teams
        for (const Fixture &f : calendar.fixtures) {
            if (f.half != half)
                continue;
            QVERIFY(f.round > (half - 1) * rounds && f.round <= half * rounds);
            QVERIFY(pairs.insert(std::minmax(f.home, f.away)).second);
            QVERIFY(playing[f.round].insert(f.home).second);
            QVERIFY(playing[f.round].insert(f.away).second);
        }
        QCOMPARE(int(pairs.size()), teams * (teams - 1) / 2);
        std::map<int, int> freeRounds; // team -> rounds without a match
        for (const auto &[round, teamsOfRound] : playing) {
            QCOMPARE(int(teamsOfRound.size()), teams - teams % 2);
            for (int team = 1; team <= teams; ++team)
                freeRounds[team] += teamsOfRound.count(team) ? 0 : 1;
        }
        for (int team = 1; team <= teams; ++team)
            QCOMPARE(freeRounds[team], teams % 2);
        QCOMPARE(homeAwayBreaks(calendar, half, teams), teams % 2 == 0 ? teams - 2 : 0);
    }
}

void TestSeasonDraw::secondHalfMirrorsTheFirst() {
    const Calendar calendar = drawCalendar(7, {});
    const int rounds = roundsPerHalf(7);
    for (const Fixture &f : calendar.fixtures) {
        if (f.half != 1)
            continue;
        const Fixture *mirror = findFixture(calendar, 2, f.home, f.away);
        QVERIFY(mirror);
        QCOMPARE(mirror->home, f.away);
        QCOMPARE(mirror->round, f.round + rounds);
    }
}

void TestSeasonDraw::datesFollowTheRounds_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("round");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("round 1") << QDate(2026, 8, 1) << 7 << 1 << QDate(2026, 8, 1);
    QTest::newRow("round 2 a week on") << QDate(2026, 8, 1) << 7 << 2 << QDate(2026, 8, 8);
    QTest::newRow("second half goes on") << QDate(2026, 8, 1) << 3 << 11 << QDate(2026, 8, 31);
    QTest::newRow("no first date, no dates") << QDate() << 7 << 4 << QDate();
}

void TestSeasonDraw::datesFollowTheRounds() {
    QFETCH(QDate, first);
    QFETCH(int, days);
    QFETCH(int, round);
    QFETCH(QDate, expected);
    DrawOptions options;
    options.firstDate = first;
    options.daysBetween = days;
    for (const Fixture &f : drawCalendar(6, options).fixtures) {
        if (f.round == round)
            QCOMPARE(f.date, expected);
    }
}

void TestSeasonDraw::shuffleIsASeededRenumbering() {
    DrawOptions options;
    options.shuffle = true;
    options.seed = 2026;
    const Calendar drawn = drawCalendar(12, options);
    QCOMPARE(drawCalendar(12, options), drawn);
    QVERIFY(!(drawn == drawCalendar(12, {})));
    options.seed = 2027;
    QVERIFY(!(drawn == drawCalendar(12, options)));
    QCOMPARE(calendarProblem(drawn, 12), QString());
    QCOMPARE(homeAwayBreaks(drawn, 1, 12), 10);
}

void TestSeasonDraw::calendarProblems_data() {
    QTest::addColumn<Fixture>("fixture");
    QTest::addColumn<QString>("problem");
    QTest::newRow("fits") << Fixture{1, 1, 2, 1, {}, false} << QString();
    QTest::newRow("half 3") << Fixture{3, 1, 2, 1, {}, false} << "круг 3 не 1 и не 2";
    QTest::newRow("team 5 of 4") << Fixture{1, 5, 2, 1, {}, false} << "команды 5 нет в таблице";
    QTest::newRow("team 0") << Fixture{1, 1, 0, 1, {}, false} << "команды 0 нет в таблице";
    QTest::newRow("itself") << Fixture{1, 2, 2, 1, {}, false} << "команда 2 играет сама с собой";
    QTest::newRow("round 0") << Fixture{2, 1, 2, 0, {}, false} << "тура 0 быть не может (туры от 1 до 999)";
    QTest::newRow("round 1000")
        << Fixture{2, 1, 2, 1000, {}, false} << "тура 1000 быть не может (туры от 1 до 999)";
    QTest::newRow("pair twice") << Fixture{1, 4, 3, 2, {}, false} << "пара 3 и 4 дважды в круге 1";
}

void TestSeasonDraw::calendarProblems() {
    QFETCH(Fixture, fixture);
    QFETCH(QString, problem);
    Calendar calendar{{Fixture{1, 3, 4, 1, {}, false}, fixture}};
    QCOMPARE(calendarProblem(calendar, 4), problem);
}

QTEST_APPLESS_MAIN(TestSeasonDraw)
#include "tst_core_season_draw.moc"
