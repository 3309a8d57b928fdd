// The published results table under ranking rules: places and reasons as the rule gives them,
// the order the window shows left alone, and the program's rule published as it always was.
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/publish/csvtable.h"
#include "core/publish/htmlpage.h"
#include "core/publish/publishedtables.h"
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

QTEST_APPLESS_MAIN(TestPublishRules)
#include "tst_core_publish_rules.moc"
