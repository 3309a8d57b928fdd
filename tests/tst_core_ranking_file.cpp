// The ranking rule in the table file: the trailer after the names, its key, and the bytes of a
// table with the program's rule, which stay those of a table saved before rules existed.
#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/files/tablefile.h"
#include "core/files/tablesection.h"
#include "tst_bundesliga_kit.h"
#include "tst_kit.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace soccer;

namespace {

using testkit::errorNumberOf;
using testkit::fileBytes;

std::unique_ptr<League> delivered() {
    auto league = std::make_unique<League>();
    readTableFile(QStringLiteral(SOCCER_DELIVERED_DATA "/primer.TFL"), *league);
    return league;
}

// What a reader that knows only the table format reads, in its order, and nothing after the
// last name: count, cells of both halves, statistics of both halves, names.
struct FormatValues {
    int count = 0;
    QStringList cells;
    QList<double> statistics;
    QStringList names;
    bool operator==(const FormatValues &) const = default;
};

FormatValues readUpToNames(ListReader &reader) {
    FormatValues values;
    values.count = int(reader.readNumber());
    reader.skipRestOfLine();
    for (int cell = 0; cell < 2 * values.count * values.count; ++cell)
        values.cells.append(reader.readText());
    for (int line = 0; line < 2 * values.count; ++line) {
        for (int i = 0; i < 7; ++i)
            values.statistics.append(reader.readNumber());
        reader.skipRestOfLine();
    }
    for (int t = 0; t < values.count; ++t)
        values.names.append(reader.readText());
    return values;
}

const RankingRule kHeadToHeadFirst = RankingRule::fromPreset(RulePreset::HeadToHeadFirst);

} // namespace

Q_DECLARE_METATYPE(RankingRule)

class TestRankingFile : public QObject {
    Q_OBJECT

  private slots:
    void programRuleWritesTheBytesOfOld_data();
    void programRuleWritesTheBytesOfOld();
    void ruleFollowsTheNames_data();
    void ruleFollowsTheNames();
    void everyRuleReopens();
    void formatReaderReadsTheSameLeague();
    void unreadableSectionLineIsKept_data();
    void unreadableSectionLineIsKept();
    void fileWithoutRuleResetsTheRule();
    void failedReadKeepsTheRule();
    void keysRoundTrip();
    void badKeys_data();
    void badKeys();
};

// The expected files were written by the program before rules existed.
void TestRankingFile::programRuleWritesTheBytesOfOld_data() {
    QTest::addColumn<QString>("expectedFile");
    QTest::addColumn<bool>("bundesligaReplay");
    QTest::newRow("example table loaded and saved") << "primer-saved.TFL" << false;
    QTest::newRow("Bundesliga 2015/16 replayed") << "bundesliga-2015-16-saved.TFL" << true;
}

void TestRankingFile::programRuleWritesTheBytesOfOld() {
    QFETCH(QString, expectedFile);
    QFETCH(bool, bundesligaReplay);
    auto league = std::make_unique<League>();
    if (bundesligaReplay)
        QCOMPARE(bundesliga::replaySeason(*league).matches, 306);
    else
        league = delivered();
    const QByteArray expected = fileBytes(QStringLiteral(SOCCER_TEST_DATA "/") + expectedFile);
    QCOMPARE(tableBytes(*league), expected);
    league->rankingRule = kHeadToHeadFirst;
    QVERIFY(tableBytes(*league) != expected);
    league->rankingRule = RankingRule();
    QCOMPARE(tableBytes(*league), expected);
}

void TestRankingFile::ruleFollowsTheNames_data() {
    QTest::addColumn<RankingRule>("rule");
    QTest::addColumn<QByteArray>("trailer");
    QTest::newRow("goals then head-to-head")
        << RankingRule::fromPreset(RulePreset::GoalsThenHeadToHead)
        << QByteArray("ranking-rule: goals-then-head-to-head\r\n");
    QTest::newRow("head-to-head first")
        << kHeadToHeadFirst << QByteArray("ranking-rule: head-to-head-first\r\n");
    QTest::newRow("custom") << RankingRule::custom({Criterion::HeadToHeadPoints, Criterion::Wins})
                            << QByteArray("ranking-rule: custom:head-to-head-points+wins\r\n");
    QTest::newRow("custom, points only")
        << RankingRule::fromPreset(RulePreset::Custom) << QByteArray("ranking-rule: custom:\r\n");
}

// Everything the format defines exactly as before, then one line.
void TestRankingFile::ruleFollowsTheNames() {
    QFETCH(RankingRule, rule);
    QFETCH(QByteArray, trailer);
    const auto league = delivered();
    const QByteArray plain = tableBytes(*league);
    league->rankingRule = rule;
    QCOMPARE(tableBytes(*league), plain + trailer);
}

void TestRankingFile::everyRuleReopens() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("RULE.TFL"));
    std::vector<RankingRule> rules;
    for (RulePreset preset : kAllPresets)
        rules.push_back(RankingRule::fromPreset(preset));
    rules.push_back(RankingRule::custom({kAllCriteria.rbegin(), kAllCriteria.rend()}));
    rules.push_back(RankingRule::custom({Criterion::GoalsFor}));
    for (const RankingRule &rule : rules) {
        auto league = delivered();
        league->rankingRule = rule;
        writeTableFile(path, *league);
        auto reopened = std::make_unique<League>();
        reopened->rankingRule = RankingRule::fromPreset(RulePreset::GoalsThenHeadToHead);
        readTableFile(path, *reopened);
        QCOMPARE(reopened->rankingRule, rule);
        QCOMPARE(tableBytes(*reopened), tableBytes(*league));
    }
}

// A reader that stops where the format ends reads the same values from the file with a rule
// as from the file without, and the program itself reads the same league from both but for
// the rule.
void TestRankingFile::formatReaderReadsTheSameLeague() {
    auto league = std::make_unique<League>();
    bundesliga::replaySeason(*league);
    const QByteArray plain = tableBytes(*league);
    league->rankingRule = kHeadToHeadFirst;
    const QByteArray withRule = tableBytes(*league);

    ListReader plainReader(plain);
    ListReader ruleReader(withRule);
    const FormatValues plainValues = readUpToNames(plainReader);
    QCOMPARE(plainValues.count, 18);
    QCOMPARE(plainValues.cells.size(), 2 * 18 * 18);
    QCOMPARE(readUpToNames(ruleReader), plainValues);
    QVERIFY(plainReader.atEnd());
    QCOMPARE(ruleReader.readText(), QStringLiteral("ranking-rule: head-to-head-first"));
    QVERIFY(ruleReader.atEnd());

    auto fromPlain = std::make_unique<League>();
    auto fromRule = std::make_unique<League>();
    parseTable(plain, *fromPlain);
    parseTable(withRule, *fromRule);
    QCOMPARE(fromRule->teamCount, fromPlain->teamCount);
    QCOMPARE(fromRule->teamNames, fromPlain->teamNames);
    for (int k = 1; k <= 2; ++k) {
        QCOMPARE(fromRule->crossTables[k].cells, fromPlain->crossTables[k].cells);
        QCOMPARE(fromRule->crossTables[k].stats, fromPlain->crossTables[k].stats);
    }
    QCOMPARE(fromPlain->rankingRule, RankingRule());
    QCOMPARE(fromRule->rankingRule, kHeadToHeadFirst);
}

// A line after the names that this version cannot read leaves the program's rule in force and
// is written back as it was (its line end made CR LF); only a bad rule line is reported.
void TestRankingFile::unreadableSectionLineIsKept_data() {
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("reported");
    const auto row = [](const char *name, QByteArray rest, bool reported, QByteArray written = {}) {
        if (written.isEmpty())
            written = rest.endsWith("\r\n") ? rest : rest + "\r\n";
        QTest::newRow(name) << rest << written << reported;
    };
    row("unknown preset", "ranking-rule: fair-play\r\n", true);
    row("no key", "ranking-rule: \r\n", true);
    row("criterion twice", "ranking-rule: custom:wins+wins\r\n", true);
    row("unknown criterion", "ranking-rule: custom:wins+cards\r\n", true);
    row("empty criterion", "ranking-rule: custom:goals-for+\r\n", true);
    row("criteria for a preset", "ranking-rule: head-to-head-first:wins\r\n", true);
    row("blank after the key", "ranking-rule: head-to-head-first \r\n", true);
    row("other case", "Ranking-Rule: head-to-head-first\r\n", false);
    row("no blank before the key", "ranking-rule:head-to-head-first\r\n", false);
    row("quote ends the text", "\"ranking-rule\": head-to-head-first\r\n", false);
    row("no places go down", "relegation: 0\r\n", true);
    row("relegation not a number", "relegation: 2 places\r\n", true);
    row("a newer version's line", "cards: 3 1, \"red\"\r\n", false);
    row("bytes outside text", QByteArray("\xff\xfe\x00\x01", 4), false);
    row("no line end", "ranking-rule", false);
    row("lone line feeds", "x\ny\rz", false, "x\r\ny\r\nz\r\n");
    row("empty line", "\r\n", false);
}

void TestRankingFile::unreadableSectionLineIsKept() {
    QFETCH(QByteArray, rest);
    QFETCH(QByteArray, written);
    QFETCH(bool, reported);
    const auto league = delivered();
    const QByteArray plain = tableBytes(*league);
    auto read = std::make_unique<League>();
    read->rankingRule = kHeadToHeadFirst;
    QStringList notes;
    QCOMPARE(errorNumberOf([&] { notes = parseTable(plain + rest, *read); }), 0);
    QCOMPARE(read->rankingRule, RankingRule());
    QCOMPARE(notes.size(), reported ? 1 : 0);
    QCOMPARE(tableBytes(*read), plain + written);
    // A rule set later replaces a kept rule line instead of standing beside it.
    read->rankingRule = kHeadToHeadFirst;
    const QByteArray withRule = tableBytes(*read);
    QCOMPARE(withRule.count("ranking-rule: "), 1);
    QVERIFY(
        withRule.contains(plain.mid(plain.size() - 2) + "ranking-rule: head-to-head-first\r\n"));
}

void TestRankingFile::fileWithoutRuleResetsTheRule() {
    auto league = delivered();
    league->rankingRule = kHeadToHeadFirst;
    parseTable(fileBytes(QStringLiteral(SOCCER_DELIVERED_DATA "/primer.TFL")), *league);
    QCOMPARE(league->rankingRule, RankingRule());
}

// A file that ends before its last name fails to load and leaves the rule as it was.
void TestRankingFile::failedReadKeepsTheRule() {
    const QByteArray plain = tableBytes(*delivered());
    const QByteArray truncated = plain.left(plain.lastIndexOf("\r\n", plain.size() - 3) + 2);
    auto read = std::make_unique<League>();
    read->rankingRule = kHeadToHeadFirst;
    QVERIFY(errorNumberOf([&] { parseTable(truncated, *read); }) != 0);
    QCOMPARE(read->rankingRule, kHeadToHeadFirst);
}

void TestRankingFile::keysRoundTrip() {
    for (RulePreset preset : kAllPresets) {
        const RankingRule rule = RankingRule::fromPreset(preset);
        QCOMPARE(ruleFromKey(ruleKey(rule)), std::optional(rule));
    }
    std::vector<Criterion> criteria(kAllCriteria.begin(), kAllCriteria.end());
    do {
        const RankingRule rule = RankingRule::custom(criteria);
        QCOMPARE(ruleFromKey(ruleKey(rule)), std::optional(rule));
        auto read = delivered();
        ListReader section(QByteArray("ranking-rule: ") + ruleKey(rule).toLatin1() + "\r\n");
        QVERIFY(readTableSection(section, *read).isEmpty());
        QCOMPARE(read->rankingRule, rule);
    } while (std::next_permutation(criteria.begin(), criteria.end()));
    QCOMPARE(ruleFromKey(u"program"), std::optional(RankingRule()));
    QCOMPARE(ruleFromKey(u"custom"), std::optional(RankingRule::fromPreset(RulePreset::Custom)));
}

void TestRankingFile::badKeys_data() {
    QTest::addColumn<QString>("key");
    for (const char *key :
         {"", "custom:,", "custom:+wins", "custom:wins+", "custom:wins++goals-for",
          "custom:wins+wins", "program:", "head-to-head-first:goals-for", "head-to-head-first ",
          " program", "HEAD-TO-HEAD-FIRST", "custom:wins,goals-for", "очки"})
        QTest::newRow(key) << QString::fromUtf8(key);
}

void TestRankingFile::badKeys() {
    QFETCH(QString, key);
    QVERIFY(!ruleFromKey(key));
}

QTEST_APPLESS_MAIN(TestRankingFile)
#include "tst_core_ranking_file.moc"
