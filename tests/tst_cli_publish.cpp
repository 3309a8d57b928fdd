// soccer-cli as a script runs it: the Bundesliga season 2015/16 and a 99-team table exported
// to CSV, HTML and PDF and read back, and the terminal view.
#include "core/files/spelling.h"
#include "core/files/tablefile.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/publish/displaywidth.h"
#include "tst_bundesliga_kit.h"
#include "tst_cli_kit.h"
#include "tst_kit.h"
#include "tst_kit_season.h"
#include "tst_publish_kit.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace soccer;
using clikit::Run;

namespace {

const QString kNastyName = QStringLiteral("Сокол <&; \"Юг\"");

// The results table's fields as the grids show them, from the ranking of the table read back.
QList<QStringList> expectedResults(const League &league) {
    auto ranked = std::make_unique<League>(league);
    rankTeams(*ranked);
    QList<QStringList> rows;
    for (const ResultsRow &row : resultsRows(*ranked)) {
        QStringList fields{QString::number(row.position), row.name};
        for (const StatisticColumn &column : kPublishedResultsColumns)
            fields.append(statisticText(row.value(column.counter)));
        rows.append(fields);
    }
    return rows;
}

// Cross-table `half` as published: number, name, the score texts without their leading
// blank, the seven statistics in screen order.
QList<QStringList> expectedCross(const League &league, int half) {
    QList<QStringList> rows;
    const CrossTable &table = league.crossTables[half];
    for (int r = 1; r <= league.teamCount; ++r) {
        QStringList fields{QString::number(r), league.teamNames[r]};
        for (int c = 1; c <= league.teamCount; ++c)
            fields.append(table.cells[r][c].trimmed());
        for (const StatisticColumn &column : kPublishedCrossTableColumns)
            fields.append(statisticText(counterValue(table.stats[r], column.counter)));
        rows.append(fields);
    }
    return rows;
}

// Page objects, not the /Pages tree that holds them.
int pageCount(const QByteArray &pdf) {
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![A-Za-z]))"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

// "P" or "L" for every page of a PDF, in file order, from its media box.
QString orientations(const QByteArray &pdf) {
    QString result;
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    for (const QRegularExpressionMatch &match : box.globalMatch(QString::fromLatin1(pdf)))
        result += match.captured(1).toDouble() < match.captured(2).toDouble() ? u'P' : u'L';
    return result;
}

} // namespace

class TestCliPublish : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void csvReadsBackAsTheRanking();
    void csvCrossTablesReadBackAsTheHalves();
    void htmlHoldsEveryTeamAndValue();
    void pdfHasThePlannedPages_data();
    void pdfHasThePlannedPages();
    void nameWithMarkupSurvivesHtmlAndCsv();
    void showPrintsTheRankingAligned();

  private:
    QString path(const QString &name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
    QString season_;
    QString big_;
    QString calendar_;
    QString nasty_;
    std::unique_ptr<League> seasonBack_ = std::make_unique<League>();
};

void TestCliPublish::initTestCase() {
    QVERIFY(folder_.isValid());
    auto season = std::make_unique<League>();
    QCOMPARE(bundesliga::replaySeason(*season).matches, 306);
    // Names such as "Bayern München" are kept as the rename prompt would offer them.
    for (int team = 1; team <= season->teamCount; ++team)
        season->teamNames[team] = nearestStorableSpelling(season->teamNames[team]);
    season_ = path(QStringLiteral("Бундеслига 2015-16.TFL"));
    writeTableFile(season_, *season);
    readTableFile(season_, *seasonBack_);
    QCOMPARE(seasonBack_->teamCount, 18);

    calendar_ = path(QStringLiteral("calendar.TFL"));
    writeTableFile(calendar_, *seasonkit::importedSeason());

    big_ = path(QStringLiteral("big.TFL"));
    writeTableFile(big_, *publishkit::playedLeague(kMaxTeams));

    auto nasty = publishkit::playedLeague(4);
    nasty->teamNames[2] = kNastyName;
    nasty_ = path(QStringLiteral("nasty.TFL"));
    writeTableFile(nasty_, *nasty);
    auto back = std::make_unique<League>();
    readTableFile(nasty_, *back);
    QCOMPARE(back->teamNames[2], kNastyName); // the table file itself keeps the name
}

void TestCliPublish::csvReadsBackAsTheRanking() {
    const Run result = clikit::runCli({"export", season_, "--format", "csv"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("\xEF\xBB\xBF"));
    QList<QStringList> records = publishkit::parseCsv(result.out.mid(3));
    QCOMPARE(records.size(), 19);
    QCOMPARE(records.takeFirst(),
             QStringList({"Место", "Команда", "Игры", "Поражения", "Ничьи", "Победы", "Забито",
                          "Пропущено", "Очки", "Разница"}));
    QCOMPARE(records, expectedResults(*seasonBack_));
    // The official figures, independent of the program: Bayern first with 88 points from 28
    // wins, 80:17; Hannover last with 25.
    QCOMPARE(records.front().mid(2), QStringList({"34", "2", "4", "28", "80", "17", "88", "63"}));
    QCOMPARE(records.back()[8], QStringLiteral("25"));
}

void TestCliPublish::csvCrossTablesReadBackAsTheHalves() {
    for (int half = 1; half <= 2; ++half) {
        const QString out = path(QStringLiteral("cross%1.csv").arg(half));
        const Run result = clikit::runCli({"export", season_, "--format", "csv", "--table",
                                           QStringLiteral("cross%1").arg(half), "-o", out});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray());
        QList<QStringList> records = publishkit::parseCsv(testkit::fileBytes(out).mid(3));
        QCOMPARE(records.size(), 19);
        const QStringList header = records.takeFirst();
        QCOMPARE(header.size(), 2 + 18 + int(kPublishedCrossTableColumns.size()));
        QCOMPARE(header.mid(0, 3), QStringList({"№", "Команда", "1"}));
        QCOMPARE(records, expectedCross(*seasonBack_, half));
        QCOMPARE(records[0][2], QString()); // a team against itself
        QCOMPARE(records[0][header.indexOf(statisticHeader(Counter::Played))],
                 QStringLiteral("17"));
    }
}

void TestCliPublish::htmlHoldsEveryTeamAndValue() {
    const QDate before = QDate::currentDate();
    const Run result = clikit::runCli({"export", season_, "--format", "html"});
    const QDate after = QDate::currentDate();
    QCOMPARE(result.exitCode, 0);
    const publishkit::HtmlPage page = publishkit::readHtmlPage(result.out);
    QCOMPARE(page.error, QString());
    QCOMPARE(page.heading, QStringLiteral("Бундеслига 2015-16"));
    QVERIFY(page.date == before.toString(Qt::ISODate) || page.date == after.toString(Qt::ISODate));
    QCOMPARE(page.tables.size(), 3);
    QCOMPARE(page.tables[0].caption, QStringLiteral("Таблица результатов"));
    QCOMPARE(page.tables[0].rows, expectedResults(*seasonBack_));
    for (int half = 1; half <= 2; ++half) {
        const publishkit::HtmlTable &table = page.tables[half];
        QCOMPARE(table.caption, QStringLiteral("Шахматная таблица (%1)").arg(half));
        QCOMPARE(table.rows, expectedCross(*seasonBack_, half));
        QCOMPARE(table.headerTitles[2], seasonBack_->teamNames[1]);
        QCOMPARE(table.rowClasses[4][2 + 4], QStringLiteral("own"));
    }
}

// The pages follow from the measures of the page layout (A4, 10 mm margins, columns a fixed
// number of ems wide):
// - results: 43.2 ems fit upright at 10 pt; 43 rows a page, so 18 teams take 1 page and 99
//   take 3 (43 + 43 + 13);
// - an 18-team cross-table (97.8 ems) fits a landscape page at 8 pt: 1 page;
// - a 99-team cross-table does not fit even at 7 pt: beside the number and name (2436
//   twips) 28 score columns of 462 twips fit, so the columns fall into 4 bands (28, 28, 28,
//   15 with the 7 statistics); under the short header of a score band 44 rows fit a page
//   (99 = 44 + 44 + 11), under the upward statistics headers 40 (40 + 40 + 19): 4 x 3 = 12.
void TestCliPublish::pdfHasThePlannedPages_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("pages"); // the orientation of every page
    QTest::newRow("18 teams, every table") << "season"
                                           << ""
                                           << "PLL";
    QTest::newRow("18 teams, cross-table 1") << "season"
                                             << "cross1"
                                             << "L";
    // With its calendar the season adds the rounds (306 matches, 43 a page: 8 upright pages)
    // and, after them, the chart of places on a landscape page; a table chosen alone stays
    // without it.
    QTest::newRow("18 teams with a calendar, every table") << "calendar"
                                                           << ""
                                                           << "PLL" + QString(8, u'P') + "L";
    QTest::newRow("18 teams with a calendar, results") << "calendar"
                                                       << "results"
                                                       << "P";
    QTest::newRow("99 teams, every table") << "big"
                                           << ""
                                           << "PPP" + QString(24, u'L');
    QTest::newRow("99 teams, results") << "big"
                                       << "results"
                                       << "PPP";
    QTest::newRow("99 teams, cross-table 2") << "big"
                                             << "cross2" << QString(12, u'L');
}

void TestCliPublish::pdfHasThePlannedPages() {
    QFETCH(QString, table);
    QFETCH(QString, choice);
    QFETCH(QString, pages);
    const QString out = path(QStringLiteral("out.pdf"));
    QFile::remove(out);
    const QString file = table == "big" ? big_ : table == "calendar" ? calendar_ : season_;
    QStringList arguments{"export", file, "--format", "pdf", "-o", out};
    if (!choice.isEmpty())
        arguments << "--table" << choice;
    const Run result = clikit::runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    const QByteArray pdf = testkit::fileBytes(out);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(pageCount(pdf), int(pages.size()));
    QCOMPARE(orientations(pdf), pages);
}

void TestCliPublish::nameWithMarkupSurvivesHtmlAndCsv() {
    const Run html = clikit::runCli({"export", nasty_, "--format", "html"});
    QCOMPARE(html.exitCode, 0);
    QVERIFY(!html.out.contains(kNastyName.toUtf8()));
    const publishkit::HtmlPage page = publishkit::readHtmlPage(html.out);
    QCOMPARE(page.error, QString());
    QCOMPARE(page.tables[1].rows[1][1], kNastyName);
    QCOMPARE(page.tables[1].headerTitles[3], kNastyName);
    QVERIFY(page.tables[0].rows.size() == 4);

    const Run csv = clikit::runCli({"export", nasty_, "--format", "csv", "--table", "cross1"});
    QCOMPARE(csv.exitCode, 0);
    QVERIFY(csv.out.contains(QStringLiteral(";\"Сокол <&; \"\"Юг\"\"\";").toUtf8()));
    const QList<QStringList> records = publishkit::parseCsv(csv.out.mid(3));
    QCOMPARE(records.size(), 5);
    QCOMPARE(records[2][1], kNastyName);
    QCOMPARE(records[2].size(), records[0].size());
}

void TestCliPublish::showPrintsTheRankingAligned() {
    const Run result = clikit::runCli({"show", season_});
    QCOMPARE(result.exitCode, 0);
    QStringList lines = QString::fromUtf8(result.out).split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 4 + 2 + 18);
    QCOMPARE(lines[0], QStringLiteral("Бундеслига 2015-16"));
    QCOMPARE(lines[3], QStringLiteral("Таблица результатов"));
    const QStringList table = lines.mid(4);
    const int width = displayWidth(table[0]);
    const QList<QStringList> expected = expectedResults(*seasonBack_);
    for (int p = 0; p < 18; ++p) {
        const QString &line = table[p + 2];
        QCOMPARE(displayWidth(line), width);
        QCOMPARE(line.split(u' ', Qt::SkipEmptyParts).join(u' '), expected[p].join(u' '));
    }
}

QTEST_GUILESS_MAIN(TestCliPublish)
#include "tst_cli_publish.moc"
