// The Bundesliga 2015/16 imported from result files gives, byte for byte, the table that the
// replay enters score by score: from the shared CSV itself, from a CSV in code page 1251 with
// Russian names and header, and from openfootball JSON (flat and by rounds).
#include "core/files/tablefile.h"
#include "core/import/importapply.h"
#include "core/import/importplan.h"
#include "core/import/importreader.h"
#include "core/season/roundtext.h"
#include "tst_bundesliga_kit.h"
#include "tst_kit.h"
#include "tst_kit_season.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <memory>

using namespace soccer;
using seasonkit::blankTable;
using seasonkit::flatJson;
using seasonkit::jsonMatch;

namespace {

QString sameName(const QString &name) {
    return name;
}

// The spellings a table file can hold, written out here rather than computed.
QString storableName(const QString &name) {
    static const QHash<QString, QString> spellings = {
        {QStringLiteral("Bayern München"), QStringLiteral("Bayern Munchen")},
        {QStringLiteral("1. FC Köln"), QStringLiteral("1. FC Koln")},
        {QStringLiteral("Bor. Mönchengladbach"), QStringLiteral("Bor. Monchengladbach")},
    };
    return spellings.value(name, name);
}

QString russianName(const QString &name) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("Bayern München"), QStringLiteral("Бавария")},
        {QStringLiteral("1. FSV Mainz 05"), QStringLiteral("Майнц 05")},
        {QStringLiteral("SV Darmstadt 98"), QStringLiteral("Дармштадт 98")},
        {QStringLiteral("Werder Bremen"), QStringLiteral("Вердер")},
        {QStringLiteral("FC Augsburg"), QStringLiteral("Аугсбург")},
        {QStringLiteral("Bayer Leverkusen"), QStringLiteral("Байер 04")},
        {QStringLiteral("Borussia Dortmund"), QStringLiteral("Боруссия Д")},
        {QStringLiteral("VfL Wolfsburg"), QStringLiteral("Вольфсбург")},
        {QStringLiteral("VfB Stuttgart"), QStringLiteral("Штутгарт")},
        {QStringLiteral("Hertha BSC"), QStringLiteral("Герта")},
        {QStringLiteral("FC Schalke 04"), QStringLiteral("Шальке 04")},
        {QStringLiteral("Eintracht Frankfurt"), QStringLiteral("Айнтрахт Ф")},
        {QStringLiteral("1. FC Köln"), QStringLiteral("Кёльн")},
        {QStringLiteral("Hannover 96"), QStringLiteral("Ганновер 96")},
        {QStringLiteral("1899 Hoffenheim"), QStringLiteral("Хоффенхайм")},
        {QStringLiteral("Hamburger SV"), QStringLiteral("Гамбург")},
        {QStringLiteral("FC Ingolstadt 04"), QStringLiteral("Ингольштадт 04")},
        {QStringLiteral("Bor. Mönchengladbach"), QStringLiteral("Боруссия М")},
    };
    return names.value(name, QStringLiteral("?") + name);
}

using Rename = QString (*)(const QString &);

// The names a table and its replay use.
enum class Names { AsInFile, Storable, Russian };

Rename renameFor(Names names) {
    switch (names) {
    case Names::AsInFile:
        return sameName;
    case Names::Storable:
        return storableName;
    case Names::Russian:
        break;
    }
    return russianName;
}

// Teams 1..18 named as the replay numbers them, no result yet.
std::unique_ptr<League> namedTable(Rename nameOf) {
    const std::unique_ptr<League> replayed = bundesliga::replayedSeason(nameOf);
    auto league = std::make_unique<League>();
    league->teamCount = replayed->teamCount;
    league->teamNames = replayed->teamNames;
    return league;
}

// A CSV in the layout of a Russian spreadsheet: ';', Russian header, round and date first.
QByteArray russianCsv() {
    QString text = QStringLiteral("Тур;Дата;Хозяева;Гости;Голы хозяев;Голы гостей\r\n");
    for (const bundesliga::Match &match : bundesliga::readMatches())
        text += QStringList{match.round,
                            match.date,
                            russianName(match.home),
                            russianName(match.away),
                            QString::number(match.homeGoals),
                            QString::number(match.awayGoals)}
                    .join(QLatin1Char(';')) +
                QStringLiteral("\r\n");
    return testkit::cp1251(text);
}

// The older layout, { "rounds": [ { "name": ..., "matches": [ ... ] } ] }, with a mark.
QByteArray roundsJsonWithMark() {
    QJsonArray rounds;
    QJsonArray matches;
    QString round;
    const auto closeRound = [&] {
        if (!matches.isEmpty())
            rounds.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("Matchday ") + round},
                                      {QStringLiteral("matches"), matches}});
        matches = QJsonArray();
    };
    for (const bundesliga::Match &match : bundesliga::readMatches()) {
        if (match.round != round)
            closeRound();
        round = match.round;
        QJsonObject entry = jsonMatch(match);
        entry.remove(QStringLiteral("round"));
        matches.append(entry);
    }
    closeRound();
    return QByteArray("\xEF\xBB\xBF") +
           QJsonDocument(QJsonObject{{QStringLiteral("rounds"), rounds}}).toJson();
}

} // namespace

class TestImportBundesliga : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void importGivesTheReplayedTable_data();
    void importGivesTheReplayedTable();
    void jsonKeepsRoundsDatesAndHomeTeams();

  private:
    QByteArray sharedCsv_;
};

void TestImportBundesliga::initTestCase() {
    QCOMPARE(bundesliga::readMatches().size(), 306);
    sharedCsv_ = testkit::fileBytes(bundesliga::dataPath());
}

void TestImportBundesliga::importGivesTheReplayedTable_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("naming");    // TeamNaming
    QTest::addColumn<int>("tableKind"); // 0 named like the replay, else a blank table of N
    QTest::addColumn<int>("names");     // Names of the table and of the replay
    QTest::addColumn<int>("encoding");  // TextEncoding the reader must detect

    const auto names = [](Names kind) { return int(kind); };
    const int tableNames = int(TeamNaming::TableNames);
    QTest::newRow("shared CSV, UTF-8, into a table named like the replay")
        << sharedCsv_ << tableNames << 0 << names(Names::AsInFile) << int(TextEncoding::Utf8);
    QTest::newRow("shared CSV, UTF-8, names from the file into a blank table")
        << sharedCsv_ << int(TeamNaming::FromFile) << 18 << names(Names::Storable)
        << int(TextEncoding::Utf8);
    QTest::newRow("shared CSV, UTF-8, a new table from a blank table of 4")
        << sharedCsv_ << int(TeamNaming::NewTable) << 4 << names(Names::Storable)
        << int(TextEncoding::Utf8);
    QTest::newRow("Russian CSV in code page 1251, named table")
        << russianCsv() << tableNames << 0 << names(Names::Russian)
        << int(TextEncoding::CodePage1251);
    QTest::newRow("Russian CSV in code page 1251, names from the file")
        << russianCsv() << int(TeamNaming::FromFile) << 18 << names(Names::Russian)
        << int(TextEncoding::CodePage1251);
    QTest::newRow("openfootball JSON, named table")
        << flatJson() << tableNames << 0 << names(Names::AsInFile) << int(TextEncoding::Utf8);
    QTest::newRow("openfootball JSON by rounds with a byte-order mark, names from the file")
        << roundsJsonWithMark() << int(TeamNaming::FromFile) << 18 << names(Names::Storable)
        << int(TextEncoding::Utf8WithMark);
}

void TestImportBundesliga::importGivesTheReplayedTable() {
    QFETCH(QByteArray, file);
    QFETCH(int, naming);
    QFETCH(int, tableKind);
    QFETCH(int, names);
    QFETCH(int, encoding);
    const Rename rename = renameFor(Names(names));

    const ImportedFile imported = readImportBytes(file);
    QVERIFY2(imported.usable(), qPrintable(imported.problem));
    QCOMPARE(int(imported.source.encoding), encoding);
    QCOMPARE(imported.matches.size(), std::size_t(306));
    QVERIFY(imported.problems.empty());

    const std::unique_ptr<League> table =
        tableKind == 0 ? namedTable(rename) : blankTable(tableKind);
    const QByteArray before = tableBytes(*table);
    ImportOptions options;
    options.naming = TeamNaming(naming);
    const ImportPlan plan = planImport(*table, imported, options);
    QVERIFY2(plan.usable(), qPrintable(plan.problem));
    QVERIFY(plan.problems.empty());
    QCOMPARE(plan.enteredCount(1), 153);
    QCOMPARE(plan.enteredCount(2), 153);
    QCOMPARE(tableBytes(*table), before); // planning changes nothing

    const ImportUndo undo = applyImport(*table, plan);
    QVERIFY(undo.applied);
    QCOMPARE(undo.entered, 306);
    // The calendar the file brings is checked on its own (jsonKeepsRoundsDatesAndHomeTeams).
    const std::unique_ptr<League> replayedSeason = bundesliga::replayedSeason(rename);
    replayedSeason->calendar = table->calendar;
    const QByteArray replayed = tableBytes(*replayedSeason);
    QCOMPARE(tableBytes(*table), replayed);

    undoImport(*table, undo);
    QCOMPARE(tableBytes(*table), before);
    applyImport(*table, plan);
    QCOMPARE(tableBytes(*table), replayed);
}

void TestImportBundesliga::jsonKeepsRoundsDatesAndHomeTeams() {
    const std::unique_ptr<League> table = blankTable(18);
    ImportOptions options;
    options.naming = TeamNaming::FromFile;
    const ImportPlan plan = planImport(*table, readImportBytes(flatJson()), options);
    QVERIFY(plan.roundNotes.empty());
    applyImport(*table, plan);
    QCOMPARE(calendarProblem(table->calendar, 18), QString());
    QCOMPARE(int(table->calendar.fixtures.size()), 306);
    for (const bundesliga::Match &match : bundesliga::readMatches()) {
        const int home = int(plan.teamNames.indexOf(storableName(match.home))) + 1;
        const int away = int(plan.teamNames.indexOf(storableName(match.away))) + 1;
        const Fixture *fixture = findFixture(table->calendar, match.half, home, away);
        QVERIFY(fixture);
        QCOMPARE(*fixture, (Fixture{match.half, home, away, match.round.toInt(),
                                    QDate::fromString(match.date, Qt::ISODate), false}));
    }
    const QStringList round1 = roundLines(*table, seasonMatches(*table), 1);
    QCOMPARE(round1.size(), 1 + 9);
    QCOMPARE(round1[0], QStringLiteral("Тур 1 — 14.08.2015"));
    QVERIFY(round1.contains(QStringLiteral("Bayern Munchen – Hamburger SV  5:0")));
}

QTEST_APPLESS_MAIN(TestImportBundesliga)
#include "tst_core_import_bundesliga.moc"
