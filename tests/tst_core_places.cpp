// The places each team can still reach: leagues whose answer is known by hand, random small
// leagues against every outcome, the solver against a walk of every outcome, and a time budget
// too short to finish.
#include "core/publish/publishedseason.h"
#include "core/season/placescomponent.h"
#include "core/season/reachableplaces.h"
#include "tst_places_kit.h"

#include <QtTest>

using namespace soccer;

class TestPlaces : public QObject {
    Q_OBJECT

  private slots:
    void known_data();
    void known();
    void againstEveryOutcome_data();
    void againstEveryOutcome();
    void solverAgainstWalk_data();
    void solverAgainstWalk();
    void budget_data();
    void budget();
};

namespace {

// Nine teams level within two points and one far behind, six rounds of a round robin left: the
// last team's best place needs the solver (too many outcomes to walk, nothing settles cheaply).
PlacesInput hardLeague() {
    PlacesInput input{{13, 14, 15, 13, 14, 15, 13, 14, 15, 0}, {}, {3, 1, 0}};
    for (int round = 0; round < 6; ++round)
        for (int k = 0; k < 5; ++k)
            input.remaining.append({k == 0 ? 10 : 1 + (round + k) % 9, 1 + (round + 9 - k) % 9});
    return input;
}

} // namespace

void TestPlaces::known_data() {
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<QList<int>>("matches"); // home, away, home, away...
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("relegation");
    QTest::addColumn<QStringList>("places"); // the range, then the mark if any
    QTest::newRow("champion with two rounds left")
        << QList<int>{13, 6, 5, 4} << QList<int>{1, 2, 3, 4, 1, 3, 2, 4} << "3-1-0" << 1
        << QStringList{"1 Чемпион", "2–4", "2–4", "2–4"};
    // Team 2 reaches 10 only by winning both; team 1 must lose both to stay level.
    QTest::newRow("first only if the rival loses twice")
        << QList<int>{10, 4, 3, 2} << QList<int>{2, 3, 1, 4, 2, 4, 1, 3} << "3-1-0" << 0
        << QStringList{"1–2", "1–4", "2–4", "2–4"};
    // Each of teams 2-4 may stay at or below 6 alone, but three matches between them hand out
    // at least six points, so one of them always passes team 1.
    QTest::newRow("three-way settled by every completion")
        << QList<int>{6, 5, 5, 5} << QList<int>{2, 3, 3, 4, 4, 2} << "3-1-0" << 0
        << QStringList{"2–4", "1–4", "1–4", "1–4"};
    QTest::newRow("two for a win: the rival is champion")
        << QList<int>{10, 4, 3, 2} << QList<int>{2, 3, 1, 4, 2, 4, 1, 3} << "2-1-0" << 3
        << QStringList{"1 Чемпион", "2–4 Вылет", "2–4 Вылет", "2–4 Вылет"};
}

void TestPlaces::known() {
    QFETCH(QList<int>, points);
    QFETCH(QList<int>, matches);
    QFETCH(QString, scheme);
    QFETCH(int, relegation);
    PlacesInput input{points, {}, *pointsSchemeFromKey(scheme)};
    for (qsizetype m = 0; m + 1 < matches.size(); m += 2)
        input.remaining.append({matches[m], matches[m + 1]});
    QStringList texts;
    for (const TeamPlaces &team : reachablePlaces(input).teams) {
        QVERIFY(team.isFinal());
        const QString mark = placesMark(team, int(points.size()), relegation);
        texts.append(placesText(team) + (mark.isEmpty() ? QString() : u' ' + mark));
    }
    QTEST(texts, "places");
}

void TestPlaces::againstEveryOutcome_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<quint32>("seed");
    for (const char *scheme : {"3-1-0", "2-1-0", "3-1-1", "3-2-0", "1-1-1"})
        for (quint32 seed : {1u, 2u})
            QTest::addRow("%s seed %u", scheme, seed) << QString::fromLatin1(scheme) << seed;
}

void TestPlaces::againstEveryOutcome() {
    QFETCH(QString, scheme);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int league = 0; league < 40; ++league) {
        const int teams = 3 + random.bounded(4), matches = random.bounded(10);
        const PlacesInput input = placeskit::randomLeague(random, teams, matches, 3 * matches,
                                                          *pointsSchemeFromKey(scheme));
        QCOMPARE(reachablePlaces(input).teams, placeskit::exhaustivePlaces(input));
    }
}

void TestPlaces::solverAgainstWalk_data() {
    QTest::addColumn<int>("side");
    QTest::newRow("best") << int(places::Side::Best);
    QTest::newRow("worst") << int(places::Side::Worst);
}

// The solver's model and the quick outcome on their own, against a walk of every outcome of the
// same group of teams.
void TestPlaces::solverAgainstWalk() {
    QFETCH(int, side);
    QRandomGenerator random(7);
    const places::SolverSession session;
    for (int round = 0; round < 60; ++round) {
        places::Component component;
        const int teams = 2 + random.bounded(5);
        for (int t = 0; t < teams; ++t)
            component.base.append(random.bounded(12));
        for (int f = random.bounded(1, 8); f > 0; --f) {
            const int first = random.bounded(teams),
                      second = (first + 1 + random.bounded(teams - 1)) % teams;
            component.fixtures.append({first, second, 1 + random.bounded(2)});
        }
        const PointsScheme scheme = kPointsPresets[random.bounded(2)];
        const places::Question question{places::Side(side), random.bounded(6, 18), scheme};
        const places::Answer solved =
            places::solveWithGlpk(component, question, QDeadlineTimer(10000), nullptr);
        const int walked = places::walkOutcomes(component, question).count;
        QVERIFY(solved.exact);
        QCOMPARE(solved.count, walked);
        // The quick outcome is one the season can have, so never better than the best one.
        const places::Answer quick = places::quickOutcome(component, question);
        QVERIFY(side == int(places::Side::Best) ? quick.count >= walked : quick.count <= walked);
        QVERIFY(!quick.exact || quick.count == walked);
    }
}

void TestPlaces::budget_data() {
    QTest::addColumn<int>("budgetMs");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("no time") << 0 << false;
    QTest::newRow("one millisecond") << 1 << false;
    QTest::newRow("cancelled") << 60000 << true;
}

// Cut short, every team's range still holds its exact one, and some say they are not final: their
// text carries the mark, the others' does not.
void TestPlaces::budget() {
    QFETCH(int, budgetMs);
    QFETCH(bool, cancel);
    const PlacesInput input = hardLeague();
    const PlacesResult exact = reachablePlaces(input, {60000, nullptr});
    const std::atomic_bool stop = cancel;
    const PlacesResult cut = reachablePlaces(input, {budgetMs, &stop});
    QCOMPARE(cut.cancelled, cancel);
    bool open = false;
    for (qsizetype t = 0; t < input.points.size(); ++t) {
        QVERIFY(exact.teams[t].isFinal());
        QVERIFY(cut.teams[t].best <= exact.teams[t].best);
        QVERIFY(cut.teams[t].worst >= exact.teams[t].worst);
        open = open || !cut.teams[t].isFinal();
        // The text, as the window and the exports show it, gives bounds around the exact ones.
        const QString text = placesCellText(cut.teams[t]);
        QCOMPARE(text.endsWith(u'*'), !cut.teams[t].isFinal());
        const QStringList bounds = text.chopped(text.endsWith(u'*') ? 1 : 0).split(u'–');
        QVERIFY(bounds.first().toInt() >= 1 && bounds.first().toInt() <= exact.teams[t].best);
        QVERIFY(bounds.last().toInt() >= exact.teams[t].worst);
    }
    QVERIFY(open);
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_core_places.moc"
