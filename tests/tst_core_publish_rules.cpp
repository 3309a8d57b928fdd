// The published results table under ranking rules: places and reasons as the rule gives them,
// the order the window shows left alone, and the program's rule published as it always was.
#include "core/competition/withdrawal.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/publish/csvtable.h"
#include "core/publish/htmlpage.h"
#include "core/publish/publishedtables.h"
#include "tst_bundesliga_kit.h"
#include "tst_publish_kit.h"

#include <QtTest>
#include <memory>

using namespace soccer;
using publishkit::columnHeaded;
using publishkit::columnTexts;
using publishkit::smallLeague;

namespace {} // namespace

Q_DECLARE_METATYPE(RankingRule)

class TestPublishRules : public QObject {
    Q_OBJECT

  private slots:
    void resultsTakePlacesAndReasonsFromTheRule_data();
    void resultsTakePlacesAndReasonsFromTheRule();
    void reasonsAreMarkedOnlyUnderARule();
    void decisionsAreMarkedAndNoted_data();
    void decisionsAreMarkedAndNoted();
};

void TestPublishRules::resultsTakePlacesAndReasonsFromTheRule_data() {
    QTest::addColumn<RankingRule>("rule");
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("reasons"); // none: no column "Основание"
    QTest::newRow("program's rule")
        << RankingRule() << QStringList{"1", "2", "3", "4"} << QStringList();
    // Their own match leaves Альфа and Бета level (1:1), so goal difference decides.
    QTest::newRow("head-to-head first")
        << RankingRule::fromPreset(RulePreset::HeadToHeadFirst) << QStringList{"1", "2", "3", "4"}
        << QStringList{"", "", QStringLiteral("по разнице мячей: -2 – -4"), ""};
    QTest::newRow("points alone") << RankingRule::custom({}) << QStringList{"1", "2", "3–4", "3–4"}
                                  << QStringList{"", "", "", ""};
}

void TestPublishRules::resultsTakePlacesAndReasonsFromTheRule() {
    QFETCH(RankingRule, rule);
    QFETCH(QStringList, places);
    QFETCH(QStringList, reasons);
    auto league = smallLeague();
    league->rankingRule = rule;
    orderByCounter(*league, Counter::GoalsAgainst); // what the window might show now
    const auto shownOrder = league->standingsOrder;

    const PublishedTable table = publishedResults(*league);
    QCOMPARE(league->standingsOrder, shownOrder);
    QCOMPARE(columnTexts(table, 0), places);
    QCOMPARE(columnTexts(table, 1), QStringList({QStringLiteral("Гамма"), QStringLiteral("Дельта"),
                                                 QStringLiteral("Альфа"), QStringLiteral("Бета")}));
    QCOMPARE(table.rowHeaderColumns(), 2);
    const bool hasReasons = !reasons.isEmpty();
    QCOMPARE(publishesReasons(rule), hasReasons);
    const int difference = columnHeaded(table, QStringLiteral("Разница"));
    const int reason = columnHeaded(table, QStringLiteral("Основание"));
    QVERIFY(difference > 1);
    // The reason, when there is one, closes the row.
    QCOMPARE(reason, hasReasons ? int(table.columns.size()) - 1 : -1);
    if (hasReasons) {
        QCOMPARE(table.columns[std::size_t(reason)].role, ColumnRole::Reason);
        QCOMPARE(columnTexts(table, reason), reasons);
    }
    for (const auto &row : table.rows)
        QCOMPARE(row.size(), table.columns.size());
}

// The reason cells carry their own class and the page its style only under a rule: the page
// of the program's rule keeps its bytes.
void TestPublishRules::reasonsAreMarkedOnlyUnderARule() {
    auto league = smallLeague();
    const QByteArray plain = htmlPage(fullPublication(*league, QDate(2016, 5, 14)));
    QVERIFY(!plain.contains("reason"));
    QVERIFY(!plain.contains("Основание"));

    league->rankingRule = RankingRule::fromPreset(RulePreset::HeadToHeadFirst);
    const QByteArray ruled = htmlPage(fullPublication(*league, QDate(2016, 5, 14)));
    QCOMPARE(ruled.count("td.reason{"), 1);
    QCOMPARE(ruled.count("<td class=\"reason\">"), 4);
    const publishkit::HtmlPage page = publishkit::readHtmlPage(ruled);
    QCOMPARE(page.error, QString());
    QCOMPARE(page.tables[0].headers.back(), QStringLiteral("Основание"));
    QCOMPARE(page.tables[0].rows[2].back(), QStringLiteral("по разнице мячей: -2 – -4"));
    QCOMPARE(page.tables[0].rowClasses[2].back(), QStringLiteral("reason"));
    // The cross-tables have no reasons.
    QCOMPARE(page.tables[1].headers.size(), 2 + 4 + int(kPublishedCrossTableColumns.size()));

    const QList<QStringList> csv = publishkit::parseCsv(csvTable(publishedResults(*league)).mid(3));
    QCOMPARE(csv[0].back(), QStringLiteral("Основание"));
    QCOMPARE(csv[3].back(), QStringLiteral("по разнице мячей: -2 – -4"));
}

// The season with one decision about one team: points docked or given, or its results
// annulled. The HTML page and the CSV file show the team's place, its marked points and name,
// and the note under the results table.
void TestPublishRules::decisionsAreMarkedAndNoted_data() {
    QTest::addColumn<QString>("team");
    QTest::addColumn<int>("points"); // 0: the team withdraws, its results annulled
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("shownPoints");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("note");
    QTest::newRow("3 docked") << "FC Schalke 04" << -3 << "7"
                              << "49*"
                              << "FC Schalke 04"
                              << "* FC Schalke 04: -3 — неуплата взносов (12 тур)";
    QTest::newRow("10 given") << "Hannover 96" << 10 << "17"
                              << "35*"
                              << "Hannover 96"
                              << "* Hannover 96: +10 — неуплата взносов (12 тур)";
    QTest::newRow("annulled") << "Bayern München" << 0 << "18"
                              << "0"
                              << "Bayern München (снялась)"
                              << "Bayern München снялась: её результаты аннулированы.";
}

void TestPublishRules::decisionsAreMarkedAndNoted() {
    QFETCH(QString, team);
    QFETCH(int, points);
    QFETCH(QString, place);
    QFETCH(QString, shownPoints);
    QFETCH(QString, shownName);
    QFETCH(QString, note);
    auto league = std::make_unique<League>();
    bundesliga::replaySeason(*league);
    const int number = bundesliga::teamNumber(*league, team);
    if (points != 0)
        league->competition.adjustments.push_back(
            {number, points, QStringLiteral("неуплата взносов"), QStringLiteral("12 тур")});
    else
        withdrawTeam(*league, number, WithdrawalChoice::Annul);

    const PublishedTable table = publishedResults(*league);
    QCOMPARE(table.notes, QStringList{note});
    const int pointsColumn = columnHeaded(table, QStringLiteral("Очки"));
    const QByteArray html = htmlPage(publication(*league, {PublishedTableKind::Results}, {}));
    const QList<QStringList> htmlRows = publishkit::readHtmlPage(html).tables.value(0).rows;
    QList<QStringList> csvRows = publishkit::parseCsv(csvTable(table).mid(3));
    QCOMPARE(csvRows.size(), 1 + 18 + 2); // the header, the teams, an empty line, the note
    QCOMPARE(csvRows.back(), QStringList{note});
    QVERIFY(html.contains(QStringLiteral("<p class=\"note\">%1</p>").arg(note).toUtf8()));
    for (const QList<QStringList> &rows : {htmlRows, csvRows.mid(1, 18)}) {
        const auto row = std::ranges::find_if(
            rows, [&](const QStringList &cells) { return cells.value(1) == shownName; });
        QVERIFY(row != rows.end());
        QCOMPARE(row->value(0), place);
        QCOMPARE(row->value(pointsColumn), shownPoints);
    }
}

QTEST_APPLESS_MAIN(TestPublishRules)
#include "tst_core_publish_rules.moc"
