// The tables of the season over time on the Bundesliga 2015/16, imported with its calendar:
// after a round, up to a date, home and away, with movement and form, against a count made here
// from the shared CSV alone; and the places after round 33 against every outcome of round 34.
#include "core/files/spelling.h"
#include "core/league/standings.h"
#include "core/publish/csvtable.h"
#include "core/publish/placeschart.h"
#include "core/publish/publishedseason.h"
#include "core/season/placeshistory.h"
#include "core/season/seasontable.h"
#include "tst_kit_season.h"
#include "tst_places_kit.h"

#include <QXmlStreamReader>

#include <QtTest>
#include <algorithm>

using namespace soccer;

namespace {

// One team's line counted by hand from the CSV.
struct HandLine {
    int wins = 0, draws = 0, losses = 0, goalsFor = 0, goalsAgainst = 0;
    QString form; // every result in round order, В/Н/П
    int points(const PointsScheme &s) const {
        return wins * s.win + draws * s.draw + losses * s.loss;
    }
};

struct HandCount {
    std::array<HandLine, kArraySize> lines;
    QList<std::pair<int, int>> remaining; // the matches after the view's time
};

int teamOf(const League &league, const QString &name) {
    const QString stored = nearestStorableSpelling(name);
    for (int t = 1; t <= league.teamCount; ++t) {
        if (league.teamNames[t] == stored)
            return t;
    }
    return 0;
}

void addResult(HandLine &line, int own, int theirs) {
    line.goalsFor += own, line.goalsAgainst += theirs;
    const int sign = (own > theirs) - (own < theirs);
    (sign > 0 ? line.wins : sign == 0 ? line.draws : line.losses) += 1;
    line.form += sign > 0 ? u'В' : sign == 0 ? u'Н' : u'П';
}

// The CSV is in round order, so each form comes out in round order.
HandCount countByHand(const League &league, int afterRound, QDate upTo, MatchSide side) {
    HandCount count;
    for (const bundesliga::Match &m : bundesliga::readMatches()) {
        const int home = teamOf(league, m.home), away = teamOf(league, m.away);
        const bool played = (afterRound == 0 || m.round.toInt() <= afterRound) &&
                            (!upTo.isValid() || QDate::fromString(m.date, Qt::ISODate) <= upTo);
        if (!played) {
            count.remaining.append({home, away});
            continue;
        }
        if (side != MatchSide::Away)
            addResult(count.lines[home], m.homeGoals, m.awayGoals);
        if (side != MatchSide::Home)
            addResult(count.lines[away], m.awayGoals, m.homeGoals);
    }
    return count;
}

// The program's rule: points, wins, goal difference, goals for; complete ties in team order.
std::vector<int> handOrder(const HandCount &count, int teams, const PointsScheme &scheme) {
    std::vector<int> order(teams);
    std::iota(order.begin(), order.end(), 1);
    const auto key = [&](int t) {
        const HandLine &l = count.lines[t];
        return std::tuple(l.points(scheme), l.wins, l.goalsFor - l.goalsAgainst, l.goalsFor);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) > key(b); });
    return order;
}

} // namespace

class TestOvertime : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void tableAsOf_data();
    void tableAsOf();
    void homeAndAwayAddUp_data();
    void homeAndAwayAddUp();
    void placesAgainstEveryOutcome_data();
    void placesAgainstEveryOutcome();
    void publishedResults_data();
    void publishedResults();
    void chartOfPlaces_data();
    void chartOfPlaces();

  private:
    std::unique_ptr<League> season_;
};

void TestOvertime::initTestCase() {
    season_ = seasonkit::importedSeason();
    QCOMPARE(roundCount(season_->calendar), 34);
}

void TestOvertime::tableAsOf_data() {
    QTest::addColumn<int>("afterRound");
    QTest::addColumn<QDate>("upTo");
    QTest::addColumn<int>("side");
    QTest::newRow("after round 17") << 17 << QDate() << int(MatchSide::All);
    QTest::newRow("after round 34") << 34 << QDate() << int(MatchSide::All);
    QTest::newRow("after round 2") << 2 << QDate() << int(MatchSide::All);
    QTest::newRow("home after round 17") << 17 << QDate() << int(MatchSide::Home);
    QTest::newRow("away after round 34") << 34 << QDate() << int(MatchSide::Away);
    QTest::newRow("up to a day in round 17") << 0 << QDate(2015, 12, 19) << int(MatchSide::All);
}

// Every team's line, the order, the movement against the round before and the last five.
void TestOvertime::tableAsOf() {
    QFETCH(int, afterRound);
    QFETCH(QDate, upTo);
    QFETCH(int, side);
    const TableView view{afterRound, upTo, MatchSide(side)};
    const SeasonTable table = seasonTable(*season_, view, {true, true, false});
    const PointsScheme scheme = season_->competition.points;
    const HandCount hand = countByHand(*season_, afterRound, upTo, view.side);
    const std::vector<int> order = handOrder(hand, 18, scheme);
    const std::vector<int> before =
        handOrder(countByHand(*season_, afterRound - 1, upTo, view.side), 18, scheme);
    QCOMPARE(int(table.ranking.size()), 18);
    for (int p = 0; p < 18; ++p) {
        const int team = table.ranking[p].team;
        QCOMPARE(team, order[p]);
        const HandLine &l = hand.lines[team];
        const TeamStats s = totals(*table.league, team);
        QCOMPARE(s, (TeamStats{double(l.wins + l.draws + l.losses), double(l.points(scheme)),
                               double(l.wins), double(l.losses), double(l.draws),
                               double(l.goalsFor), double(l.goalsAgainst)}));
        QCOMPARE(formText(table.form[team]), l.form.right(5));
        const int up = int(std::find(before.begin(), before.end(), team) - before.begin()) - p;
        const QString moved = up > 0   ? "▲" + QString::number(up)
                              : up < 0 ? "▼" + QString::number(-up)
                                       : QString();
        QCOMPARE(table.movement[team], afterRound > 1 ? moved : QString());
    }
}

void TestOvertime::homeAndAwayAddUp_data() {
    QTest::addColumn<int>("afterRound");
    QTest::newRow("after round 9") << 9;
    QTest::newRow("after round 34") << 34;
}

void TestOvertime::homeAndAwayAddUp() {
    QFETCH(int, afterRound);
    const auto matches = seasonMatches(*season_);
    const auto all = leagueAsOf(*season_, matches, {afterRound, {}, MatchSide::All});
    const auto home = leagueAsOf(*season_, matches, {afterRound, {}, MatchSide::Home});
    const auto away = leagueAsOf(*season_, matches, {afterRound, {}, MatchSide::Away});
    for (int t = 1; t <= 18; ++t) {
        for (Counter counter : kStoredCounters)
            QCOMPARE(counterValue(totals(*home, t), counter) +
                         counterValue(totals(*away, t), counter),
                     counterValue(totals(*all, t), counter));
    }
}

void TestOvertime::placesAgainstEveryOutcome_data() {
    QTest::addColumn<int>("afterRound");
    QTest::addColumn<QString>("scheme");
    QTest::newRow("after round 33, 3-1-0") << 33 << "3-1-0";
    QTest::newRow("after round 33, 2-1-0") << 33 << "2-1-0";
}

// The nine matches of round 34 in all their 3^9 outcomes, from points counted by hand.
void TestOvertime::placesAgainstEveryOutcome() {
    QFETCH(int, afterRound);
    QFETCH(QString, scheme);
    auto league = std::make_unique<League>(*season_);
    league->competition.points = *pointsSchemeFromKey(scheme);
    const HandCount hand = countByHand(*league, afterRound, {}, MatchSide::All);
    PlacesInput input{{}, hand.remaining, league->competition.points};
    for (int t = 1; t <= 18; ++t)
        input.points.append(hand.lines[t].points(input.scheme));
    QCOMPARE(int(input.remaining.size()), 9 * (34 - afterRound));
    const SeasonTable table =
        seasonTable(*league, {afterRound, {}, MatchSide::All}, {false, false, true});
    QCOMPARE(table.places, placeskit::exhaustivePlaces(input));
}

void TestOvertime::publishedResults_data() {
    QTest::addColumn<int>("afterRound");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("start"); // the header and place 1 as a CSV file has them
    const QString counters = "Игры;Поражения;Ничьи;Победы;Забито;Пропущено;Очки;Разница";
    QTest::newRow("the whole table, Bayern docked 20")
        << 0 << int(MatchSide::All) << false << "Таблица результатов"
        << "Место;Команда;" + counters + "\r\n1;Borussia Dortmund;34;4;6;24;82;34;78;48\r\n";
    QTest::newRow("home after round 17, every column")
        << 17 << int(MatchSide::Home) << true << "Таблица результатов после тура 17 — дома"
        << "Место;Команда;±;" + counters +
               ";Последние 5;Места\r\n1;Bayern Munchen;;9;0;0;9;32;3;27;29;ВВВВВ;1–18\r\n";
}

// Where the added columns stand, and the points docked counted in every results table.
void TestOvertime::publishedResults() {
    QFETCH(int, afterRound);
    QFETCH(int, side);
    QFETCH(bool, added);
    QFETCH(QString, caption);
    QFETCH(QString, start);
    auto league = std::make_unique<League>(*season_);
    league->competition.adjustments = {{teamOf(*league, "Bayern München"), -20, "x", {}}};
    const SeasonPublishing season{{afterRound, {}, MatchSide(side)}, {added, added, added}, {}};
    const PublishedTable table =
        seasonPublication(*league, {PublishedTableKind::Results}, {}, season).tables.front();
    QCOMPARE(table.caption, caption);
    const QString csv = QString::fromUtf8(csvTable(table)); // the byte-order mark dropped
    QCOMPARE(csv.left(start.size()), start);
}

void TestOvertime::chartOfPlaces_data() {
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<int>("lastRound"); // the last round with a result
    QTest::newRow("the whole season") << true << 34;
    QTest::newRow("up to round 20") << true << 20;
    QTest::newRow("no calendar") << false << 0;
}

// The places after each round are those of the table after that round, and the picture draws
// a line a team through all of them.
void TestOvertime::chartOfPlaces() {
    QFETCH(bool, calendar);
    QFETCH(int, lastRound);
    auto league = std::make_unique<League>(*season_);
    if (!calendar)
        league->calendar = {};
    for (const Fixture &f : league->calendar.fixtures) {
        if (f.round > lastRound)
            league->crossTables[f.half].cells[f.home][f.away].clear();
    }
    const PlacesHistory history = placesHistory(*league);
    QCOMPARE(int(history.rounds.size()), lastRound);
    for (int k = 1; k <= lastRound; ++k) {
        QCOMPARE(history.rounds[std::size_t(k - 1)], k);
        const SeasonTable table = seasonTable(*league, TableView{k, {}, MatchSide::All}, {});
        const auto expected = placesByTeam(table.ranking);
        for (int team = 1; team <= 18; ++team)
            QCOMPARE(history.places[std::size_t(k - 1)][team], expected[team]);
    }
    const QString svg = placesChartSvg(league->teamNames, history);
    QCOMPARE(svg.isEmpty(), lastRound == 0);
    QXmlStreamReader xml(svg);
    QStringList lines;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"polyline")
            lines << xml.attributes().value(QStringLiteral("points")).toString();
    }
    QVERIFY2(!xml.hasError() || svg.isEmpty(), qPrintable(xml.errorString()));
    QCOMPARE(lines.size(), lastRound ? 18 : 0);
    for (const QString &points : lines)
        QCOMPARE(points.split(u' ').size(), lastRound);
}

QTEST_APPLESS_MAIN(TestOvertime)
#include "tst_core_overtime.moc"
