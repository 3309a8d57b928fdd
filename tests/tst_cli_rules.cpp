// soccer-cli under ranking rules: the Bundesliga season 2015/16 published by the rule of the
// league (its official order, with the reason for each of the three teams on 38 points), by a
// rule saved with the table, by --rule over the saved one, and a place shared by two teams.
#include "core/files/spelling.h"
#include "core/files/tablefile.h"
#include "core/league/score.h"
#include "tst_bundesliga_kit.h"
#include "tst_cli_kit.h"
#include "tst_kit.h"
#include "tst_publish_kit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace soccer;
using clikit::Run;

namespace {

// The columns of the results table that a ranking decides, as one output shows them.
struct Ranked {
    QStringList places;
    QStringList names;
    QStringList reasons; // empty when the output has no column "Основание"
    bool hasReasonColumn = false;
};

Ranked rankedOfRows(const QStringList &headers, const QList<QStringList> &rows) {
    Ranked ranked;
    const qsizetype reasonColumn = headers.indexOf(QStringLiteral("Основание"));
    ranked.hasReasonColumn = reasonColumn >= 0;
    for (const QStringList &row : rows) {
        ranked.places.append(row.value(0));
        ranked.names.append(row.value(1));
        if (ranked.hasReasonColumn)
            ranked.reasons.append(row.value(reasonColumn, QStringLiteral("<none>")));
    }
    return ranked;
}

Ranked rankedOfCsv(const QByteArray &bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return {};
    QList<QStringList> records = publishkit::parseCsv(bytes.mid(3));
    const QStringList headers = records.isEmpty() ? QStringList() : records.takeFirst();
    return rankedOfRows(headers, records);
}

Ranked rankedOfHtml(const QByteArray &bytes) {
    const publishkit::HtmlPage page = publishkit::readHtmlPage(bytes);
    if (!page.error.isEmpty() || page.tables.isEmpty())
        return {};
    return rankedOfRows(page.tables[0].headers, page.tables[0].rows);
}

// The results table of `soccer-cli show`: after the title, the date, a blank line and the
// caption come the header and a rule. Names and reasons hold blanks, so the columns are cut
// where the header's columns start (the names here are all ASCII, one column a character).
Ranked rankedOfShow(const QByteArray &bytes) {
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.size() < 7 || lines[3] != QStringLiteral("Таблица результатов"))
        return {};
    const QString header = lines[4];
    const qsizetype nameStart = header.indexOf(QStringLiteral("Команда"));
    const qsizetype nameEnd = header.indexOf(QStringLiteral("Игры"));
    const qsizetype reasonStart = header.indexOf(QStringLiteral("Основание"));
    Ranked ranked;
    ranked.hasReasonColumn = reasonStart >= 0;
    for (const QString &line : lines.mid(6)) {
        if (line.isEmpty())
            continue;
        ranked.places.append(line.left(nameStart).trimmed());
        // The name column ends two blanks before the right-aligned "Игры" column's figures.
        ranked.names.append(line.mid(nameStart, nameEnd - nameStart).trimmed());
        if (ranked.hasReasonColumn)
            ranked.reasons.append(line.mid(reasonStart).trimmed());
    }
    return ranked;
}

Ranked rankedOf(const QString &output, const QByteArray &bytes) {
    if (output == QLatin1String("csv"))
        return rankedOfCsv(bytes);
    if (output == QLatin1String("html"))
        return rankedOfHtml(bytes);
    return rankedOfShow(bytes);
}

QStringList commandFor(const QString &output, const QString &table) {
    if (output == QLatin1String("show"))
        return {"show", table};
    return {"export", table, "--format", output};
}

QString storable(const char *name) {
    return nearestStorableSpelling(QString::fromUtf8(name));
}

QStringList officialOrder() {
    QStringList teams;
    for (const bundesliga::OfficialRow &row : bundesliga::kOfficial)
        teams.append(storable(row.team));
    return teams;
}

QStringList numbersTo(int count) {
    QStringList numbers;
    for (int n = 1; n <= count; ++n)
        numbers.append(QString::number(n));
    return numbers;
}

QString reasonOf(const Ranked &ranked, const char *team) {
    const qsizetype row = ranked.names.indexOf(storable(team));
    return row < 0 ? QStringLiteral("<no team>") : ranked.reasons.value(row, "<no reason>");
}

// Four teams: 1 beats everyone 1:0; 2 and 3 draw 1:1 and each beat 4 by 2:0. Teams 2 and 3 are
// equal on points, goals and their own match.
std::unique_ptr<League> leagueWithATie() {
    auto league = std::make_unique<League>();
    league->teamCount = 4;
    for (int t = 1; t <= 4; ++t)
        league->teamNames[t] = QStringLiteral("Команда %1").arg(t);
    CrossTable &half = league->crossTables[1];
    for (int t = 2; t <= 4; ++t)
        enterScore(half, 1, t, QStringLiteral("1 0"));
    enterScore(half, 2, 3, QStringLiteral("1 1"));
    enterScore(half, 2, 4, QStringLiteral("2 0"));
    enterScore(half, 3, 4, QStringLiteral("2 0"));
    return league;
}

} // namespace

class TestCliRules : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void rulePutsTheOfficialOrderWithReasons_data();
    void rulePutsTheOfficialOrderWithReasons();
    void savedRuleRanksWithoutTheOption_data();
    void savedRuleRanksWithoutTheOption();
    void sharedPlacePrintsBothNumbers_data();
    void sharedPlacePrintsBothNumbers();
    void pdfTurnsTheResultsWithReasons_data();
    void pdfTurnsTheResultsWithReasons();
    void unknownRuleIsABadArgument_data();
    void unknownRuleIsABadArgument();
    void helpNamesTheRules();
    void rulesCommandSetsTheDecisions_data();
    void rulesCommandSetsTheDecisions();
    void badDecisionsWriteNothing_data();
    void badDecisionsWriteNothing();

  private:
    QString path(const QString &name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
    QString season_;
    QString seasonHeadToHead_; // the season saved with the rule head-to-head-first
    QString tie_;
};

void TestCliRules::initTestCase() {
    QVERIFY(folder_.isValid());
    auto season = std::make_unique<League>();
    QCOMPARE(bundesliga::replaySeason(*season).matches, 306);
    clikit::spellStorably(*season);
    season_ = path(QStringLiteral("season.TFL"));
    writeTableFile(season_, *season);
    season->rankingRule = RankingRule::fromPreset(RulePreset::HeadToHeadFirst);
    // The same name in another folder: both publish under the same title.
    QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("h2h")));
    seasonHeadToHead_ = path(QStringLiteral("h2h/season.TFL"));
    writeTableFile(seasonHeadToHead_, *season);
    tie_ = path(QStringLiteral("tie.TFL"));
    writeTableFile(tie_, *leagueWithATie());
}

void TestCliRules::rulePutsTheOfficialOrderWithReasons_data() {
    QTest::addColumn<QString>("output");
    QTest::newRow("CSV") << "csv";
    QTest::newRow("HTML") << "html";
    QTest::newRow("show") << "show";
}

// Points, goal difference, goals for, then head-to-head: the Bundesliga's own order. Augsburg
// (-10) stands above Bremen (-15) on goal difference, Bremen above Darmstadt (-15) on goals
// for, 50 to 38; Darmstadt's 38 points against Hoffenheim's 37 need no reason.
void TestCliRules::rulePutsTheOfficialOrderWithReasons() {
    QFETCH(QString, output);
    const Run result = clikit::runCli(commandFor(output, season_) << "--rule"
                                                                  << "goals-then-head-to-head");
    QCOMPARE(result.exitCode, 0);
    const Ranked ranked = rankedOf(output, result.out);
    QCOMPARE(ranked.names, officialOrder());
    QCOMPARE(ranked.places, numbersTo(18));
    QVERIFY(ranked.hasReasonColumn);
    QCOMPARE(reasonOf(ranked, "FC Augsburg"), QStringLiteral("по разнице мячей: -10 – -15"));
    QCOMPARE(reasonOf(ranked, "Werder Bremen"), QStringLiteral("по забитым мячам: 50 – 38"));
    QCOMPARE(reasonOf(ranked, "SV Darmstadt 98"), QString());
    QCOMPARE(reasonOf(ranked, "1. FSV Mainz 05"), QStringLiteral("по разнице мячей: +4 – 0"));
    QCOMPARE(reasonOf(ranked, "Bayern München"), QString());
    QCOMPARE(reasonOf(ranked, "Hannover 96"), QString());
    // An empty reason at the end of a terminal line leaves no blanks behind it.
    QVERIFY(!result.out.contains(" \n"));
}

void TestCliRules::savedRuleRanksWithoutTheOption_data() {
    QTest::addColumn<QString>("output");
    QTest::newRow("CSV") << "csv";
    QTest::newRow("show") << "show";
}

// The table saved with head-to-head first: Darmstadt took 8 points from its matches with
// Augsburg and Bremen, who took 4 each; Hertha 4 points from Mainz, who took 1. --rule program
// puts the program's own order back, published as it always was: no column "Основание".
void TestCliRules::savedRuleRanksWithoutTheOption() {
    QFETCH(QString, output);
    const Run saved = clikit::runCli(commandFor(output, seasonHeadToHead_));
    QCOMPARE(saved.exitCode, 0);
    const Ranked ranked = rankedOf(output, saved.out);
    QStringList expected = officialOrder();
    expected.move(expected.indexOf("Hertha BSC"), expected.indexOf("1. FSV Mainz 05"));
    expected.move(expected.indexOf("SV Darmstadt 98"), expected.indexOf("FC Augsburg"));
    QCOMPARE(ranked.names, expected);
    QCOMPARE(reasonOf(ranked, "SV Darmstadt 98"), QStringLiteral("по личным встречам: очки 8 – 4"));
    QCOMPARE(reasonOf(ranked, "Hertha BSC"), QStringLiteral("по личным встречам: очки 4 – 1"));

    const Run overridden = clikit::runCli(commandFor(output, seasonHeadToHead_) << "--rule"
                                                                                << "program");
    const Run plain = clikit::runCli(commandFor(output, season_));
    QCOMPARE(overridden.exitCode, 0);
    QCOMPARE(overridden.out, plain.out);
    const Ranked programs = rankedOf(output, overridden.out);
    QVERIFY(!programs.hasReasonColumn);
    QVERIFY(programs.names != expected);
    QCOMPARE(programs.names.size(), 18);
}

void TestCliRules::sharedPlacePrintsBothNumbers_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("reasons");
    const QStringList distinct{"1", "2", "3", "4"};
    const QStringList shared{"1", "2–3", "2–3", "4"};
    const QStringList none{"", "", "", ""};
    for (const char *output : {"csv", "show", "html"}) {
        QTest::addRow("%s, head-to-head first", output)
            << output << "head-to-head-first" << shared << none;
        QTest::addRow("%s, points alone", output) << output << "custom:" << shared << none;
        // The program's rule keeps its distinct places, the lower number first.
        QTest::addRow("%s, program's rule", output)
            << output << "program" << distinct << QStringList();
    }
}

void TestCliRules::sharedPlacePrintsBothNumbers() {
    QFETCH(QString, output);
    QFETCH(QString, rule);
    QFETCH(QStringList, places);
    QFETCH(QStringList, reasons);
    const Run result = clikit::runCli(commandFor(output, tie_) << "--rule" << rule);
    QCOMPARE(result.exitCode, 0);
    const Ranked ranked = rankedOf(output, result.out);
    QCOMPARE(ranked.names, QStringList({"Команда 1", "Команда 2", "Команда 3", "Команда 4"}));
    QCOMPARE(ranked.places, places);
    QCOMPARE(ranked.reasons, reasons);
}

// The reason column (22 ems) makes the results table 65.2 ems wide: too wide for an upright
// page at 10 pt, so it is printed on landscape pages, 26 rows a page (99 = 26 * 3 + 21).
void TestCliRules::pdfTurnsTheResultsWithReasons_data() {
    QTest::addColumn<int>("teams");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("pages");
    QTest::newRow("18 teams, a rule") << 18 << "goals-then-head-to-head"
                                      << "L";
    QTest::newRow("18 teams, the program's rule") << 18 << "program"
                                                  << "P";
    QTest::newRow("99 teams, a rule") << 99 << "head-to-head-first"
                                      << "LLLL";
    QTest::newRow("99 teams, the program's rule") << 99 << "program"
                                                  << "PPP";
}

void TestCliRules::pdfTurnsTheResultsWithReasons() {
    QFETCH(int, teams);
    QFETCH(QString, rule);
    QFETCH(QString, pages);
    const QString table = path(QStringLiteral("played%1.TFL").arg(teams));
    writeTableFile(table, *publishkit::playedLeague(teams));
    const QString out = path(QStringLiteral("results.pdf"));
    QFile::remove(out);
    const Run result = clikit::runCli(
        {"export", table, "--format", "pdf", "--table", "results", "--rule", rule, "-o", out});
    QCOMPARE(result.exitCode, 0);
    const QByteArray pdf = testkit::fileBytes(out);
    QVERIFY(pdf.startsWith("%PDF-"));
    QString orientations;
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    for (const QRegularExpressionMatch &match : box.globalMatch(QString::fromLatin1(pdf)))
        orientations += match.captured(1).toDouble() < match.captured(2).toDouble() ? u'P' : u'L';
    QCOMPARE(orientations, pages);
}

void TestCliRules::unknownRuleIsABadArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    const QString missing = path(QStringLiteral("none.TFL"));
    QTest::newRow("unknown preset") << QStringList{"show", season_, "--rule", "fifa"} << "fifa";
    QTest::newRow("unknown criterion")
        << QStringList{"export", season_, "--format", "csv", "--rule", "custom:wins+away-goals"}
        << "custom:wins+away-goals";
    QTest::newRow("criterion twice")
        << QStringList{"show", season_, "--rule", "custom:wins+wins"} << "custom:wins+wins";
    QTest::newRow("preset with criteria")
        << QStringList{"show", season_, "--rule", "program:wins"} << "program:wins";
    QTest::newRow("keys are lower case")
        << QStringList{"show", season_, "-r", "Program"} << "Program";
    // The arguments are judged before the table is read: a bad rule is a bad argument even
    // for a table that does not exist.
    QTest::newRow("missing table")
        << QStringList{"export", missing, "--format", "html", "--rule", "h2h"} << "h2h";
}

void TestCliRules::unknownRuleIsABadArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    const Run result = clikit::runCli(arguments);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith(QStringLiteral("soccer-cli: неизвестное правило «%1»: нужно "
                                                  "program, goals-then-head-to-head, "
                                                  "head-to-head-first или custom:")
                                       .arg(name)),
             qPrintable(result.err));
    QVERIFY2(result.err.contains(QStringLiteral("head-to-head-goals-for")), qPrintable(result.err));
}

void TestCliRules::helpNamesTheRules() {
    for (const char *command : {"show", "export"}) {
        const Run help = clikit::runCli({command, "--help"});
        QCOMPARE(help.exitCode, 0);
        const QString text = QString::fromUtf8(help.out);
        QVERIFY2(text.contains(QStringLiteral("-r, --rule <ПРАВИЛО>")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("[--rule ПРАВИЛО]")), qPrintable(text));
        for (const char *key : {"goals-then-head-to-head", "head-to-head-first", "goal-difference"})
            QVERIFY2(text.contains(QLatin1String(key)), key);
    }
    const Run general = clikit::runCli({"--help"});
    QCOMPARE(QString::fromUtf8(general.out).count(QStringLiteral("[--rule ПРАВИЛО]")), 2);
}

// The points of `team` in `soccer-cli show`'s results table: the last column but one.
QString shownPoints(const QByteArray &out, const QString &team) {
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    for (const QString &line : QString::fromUtf8(out).split(u'\n')) {
        const QStringList cells = line.trimmed().split(gap);
        if (cells.value(1) == team)
            return cells.value(cells.size() - 2);
    }
    return QStringLiteral("<no team>");
}

// The rules set by `soccer-cli rules` (a team by its name or its number: Bayern is 1), then the
// table shown as it is saved, or with --points for the look only.
void TestCliRules::rulesCommandSetsTheDecisions_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("look"); // options of show
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("note");
    QTest::newRow("3 docked by name")
        << QStringList{"--deduct", "FC Schalke 04=-3:неуплата взносов"} << QStringList()
        << "FC Schalke 04"
        << "7"
        << "49*"
        << "* FC Schalke 04: -3 — неуплата взносов";
    QTest::newRow("withdrawn by number")
        << QStringList{"--withdraw", "1=annul"} << QStringList() << "Bayern Munchen (снялась)"
        << "18"
        << "0"
        << "Bayern Munchen снялась: её результаты аннулированы.";
    QTest::newRow("2-1-0 saved") << QStringList{"--points", "2-1-0"} << QStringList()
                                 << "Bayern Munchen"
                                 << "1"
                                 << "60"
                                 << "";
    QTest::newRow("2-1-0 for a look")
        << QStringList() << QStringList{"--points", "2-1-0"} << "Borussia Dortmund"
        << "2"
        << "54"
        << "";
}

void TestCliRules::rulesCommandSetsTheDecisions() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, look);
    QFETCH(QString, team);
    QFETCH(QString, place);
    QFETCH(QString, points);
    QFETCH(QString, note);
    auto season = std::make_unique<League>();
    readTableFile(season_, *season);
    const QString out = path(QStringLiteral("ruled.TFL"));
    const Run ruled = clikit::runCli(QStringList{"rules", season_, "-o", out} + options);
    QCOMPARE(ruled.exitCode, 0);
    const Run shown = clikit::runCli(QStringList{"show", out} + look);
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(rankedOfShow(shown.out).places.value(rankedOfShow(shown.out).names.indexOf(team)),
             place);
    QCOMPARE(shownPoints(shown.out, team), points);
    QVERIFY(note.isEmpty() || shown.out.endsWith(("\n" + note + "\n").toUtf8()));
    // No option: the table as the program writes it, byte for byte.
    QCOMPARE(testkit::fileBytes(out) == tableBytes(*season), options.isEmpty());
}

void TestCliRules::badDecisionsWriteNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("a fraction") << QStringList{"--deduct", "FC Schalke 04=-1.5:x"}
                                << "целым числом";
    QTest::newRow("no such team") << QStringList{"--deduct", "Zenit=-3:x"}
                                  << "команды «Zenit» нет в таблице";
    QTest::newRow("no such number")
        << QStringList{"--withdraw", "19=annul"} << "команды «19» нет в таблице";
    QTest::newRow("loss above draw")
        << QStringList{"--points", "3-0-1"} << "Поражение не может стоить больше";
    QTest::newRow("unknown way") << QStringList{"--withdraw", "3=leave"} << "annul, technical";
    // A good decision before a bad one is not written either.
    QTest::newRow("good then bad")
        << QStringList{"--deduct", "3=-3:x", "--deduct", "3=x:y"} << "целым числом";
}

void TestCliRules::badDecisionsWriteNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString out = path(QStringLiteral("bad.TFL"));
    const Run result = clikit::runCli(QStringList{"rules", season_, "-o", out} + arguments);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(out));
    if (arguments.first() == QLatin1String("--points"))
        QCOMPARE(clikit::runCli(QStringList{"show", season_} + arguments).exitCode, 1);
}

QTEST_GUILESS_MAIN(TestCliRules)
#include "tst_cli_rules.moc"
