// soccer-cli as a script runs it: the Bundesliga season 2015/16 and a 99-team table exported
// to CSV, HTML and PDF and read back, the terminal view, and the exit codes.
#include "core/displaywidth.h"
#include "core/score.h"
#include "core/standings.h"
#include "core/tablefile.h"
#include "tst_bundesliga_kit.h"
#include "tst_kit.h"
#include "tst_publish_kit.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace soccer;

namespace {

const QString kNastyName = QStringLiteral("Сокол <&; \"Юг\"");

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// The results table's fields as the grids show them, from the ranking of the table read back.
QList<QStringList> expectedResults(const League &league) {
    auto ranked = std::make_unique<League>(league);
    rankTeams(*ranked);
    QList<QStringList> rows;
    for (const ResultsRow &row : resultsRows(*ranked)) {
        QStringList fields{QString::number(row.position), row.name};
        for (double value : row.values)
            fields.append(statisticText(value));
        fields.append(statisticText(row.values[4] - row.values[5])); // goals for - against
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
        for (Counter counter : kScreenOrder)
            fields.append(statisticText(counterValue(table.stats[r], counter)));
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
    void helpIsInRussian();
    void badArgumentsAndUnreadableTables_data();
    void badArgumentsAndUnreadableTables();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void fullFileSystemLeavesTheOldFile();
    void fullStandardOutput();
    void readOnlyFolder();

  private:
    Run run(const QStringList &arguments, const std::function<void(QProcess &)> &prepare = {});
    QString path(const QString &name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
    QString season_;
    QString big_;
    QString nasty_;
    std::unique_ptr<League> seasonBack_ = std::make_unique<League>();
};

Run TestCliPublish::run(const QStringList &arguments,
                        const std::function<void(QProcess &)> &prepare) {
    QProcess process;
    process.setProgram(QStringLiteral(SOCCER_CLI));
    process.setArguments(arguments);
    // No platform named and no display: the tool must choose offscreen itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    if (prepare)
        prepare(process);
    process.start();
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestCliPublish::initTestCase() {
    QVERIFY(folder_.isValid());
    auto season = std::make_unique<League>();
    QCOMPARE(bundesliga::replaySeason(*season).matchCount, 306);
    season_ = path(QStringLiteral("Бундеслига 2015-16.TFL"));
    writeTableFile(season_, *season);
    readTableFile(season_, *seasonBack_);
    QCOMPARE(seasonBack_->teamCount, 18);

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
    const Run result = run({"export", season_, "--format", "csv"});
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
        const Run result = run({"export", season_, "--format", "csv", "--table",
                                QStringLiteral("cross%1").arg(half), "-o", out});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray());
        QList<QStringList> records = publishkit::parseCsv(testkit::fileBytes(out).mid(3));
        QCOMPARE(records.size(), 19);
        const QStringList header = records.takeFirst();
        QCOMPARE(header.size(), 2 + 18 + 7);
        QCOMPARE(header.mid(0, 3), QStringList({"№", "Команда", "1"}));
        QCOMPARE(records, expectedCross(*seasonBack_, half));
        QCOMPARE(records[0][2], QString()); // a team against itself
        QCOMPARE(records[0][20], QStringLiteral("17"));
    }
}

void TestCliPublish::htmlHoldsEveryTeamAndValue() {
    const QDate before = QDate::currentDate();
    const Run result = run({"export", season_, "--format", "html"});
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
    QStringList arguments{"export", table == "big" ? big_ : season_, "--format", "pdf", "-o", out};
    if (!choice.isEmpty())
        arguments << "--table" << choice;
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 0);
    const QByteArray pdf = testkit::fileBytes(out);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(pageCount(pdf), int(pages.size()));
    QCOMPARE(orientations(pdf), pages);
}

void TestCliPublish::nameWithMarkupSurvivesHtmlAndCsv() {
    const Run html = run({"export", nasty_, "--format", "html"});
    QCOMPARE(html.exitCode, 0);
    QVERIFY(!html.out.contains(kNastyName.toUtf8()));
    const publishkit::HtmlPage page = publishkit::readHtmlPage(html.out);
    QCOMPARE(page.error, QString());
    QCOMPARE(page.tables[1].rows[1][1], kNastyName);
    QCOMPARE(page.tables[1].headerTitles[3], kNastyName);
    QVERIFY(page.tables[0].rows.size() == 4);

    const Run csv = run({"export", nasty_, "--format", "csv", "--table", "cross1"});
    QCOMPARE(csv.exitCode, 0);
    QVERIFY(csv.out.contains(QStringLiteral(";\"Сокол <&; \"\"Юг\"\"\";").toUtf8()));
    const QList<QStringList> records = publishkit::parseCsv(csv.out.mid(3));
    QCOMPARE(records.size(), 5);
    QCOMPARE(records[2][1], kNastyName);
    QCOMPARE(records[2].size(), records[0].size());
}

void TestCliPublish::showPrintsTheRankingAligned() {
    const Run result = run({"show", season_});
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

void TestCliPublish::helpIsInRussian() {
    const Run general = run({"--help"});
    QCOMPARE(general.exitCode, 0);
    const QString text = QString::fromUtf8(general.out);
    QVERIFY(text.startsWith(QStringLiteral("Использование: soccer-cli")));
    QVERIFY(text.contains(QStringLiteral("soccer-cli export")));
    QVERIFY(text.contains(QStringLiteral("soccer-cli show")));
    const Run exportHelp = run({"export", "--help"});
    QCOMPARE(exportHelp.exitCode, 0);
    const QString exportText = QString::fromUtf8(exportHelp.out);
    QVERIFY(exportText.contains(QStringLiteral("-f, --format <ФОРМАТ>")));
    QVERIFY(exportText.contains(QStringLiteral("-h, --help")));
    QVERIFY(exportText.contains(QStringLiteral("3 результат не записан")));
    QVERIFY(!exportText.contains(QStringLiteral("Displays")));
    const Run version = run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("soccer-cli "));
}

void TestCliPublish::badArgumentsAndUnreadableTables_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString missing = path(QStringLiteral("none.TFL"));
    QTest::newRow("no command") << QStringList() << 1 << "не указана команда";
    QTest::newRow("unknown command")
        << QStringList{"publish", "x.TFL"} << 1 << "неизвестная команда «publish»";
    QTest::newRow("unknown option") << QStringList{"export", "x.TFL", "--format", "csv", "--colour"}
                                    << 1 << "неизвестный параметр «--colour»";
    QTest::newRow("option without value")
        << QStringList{"export", "x.TFL", "--format"} << 1 << "после «--format» нужно значение";
    QTest::newRow("no format") << QStringList{"export", "x.TFL"} << 1 << "не указан формат";
    QTest::newRow("unknown format")
        << QStringList{"export", "x.TFL", "--format", "xls"} << 1 << "неизвестный формат «xls»";
    QTest::newRow("unknown table")
        << QStringList{"export", "x.TFL", "--format", "csv", "--table", "cross3"} << 1
        << "неизвестная таблица «cross3»";
    QTest::newRow("PDF to standard output")
        << QStringList{"export", "x.TFL", "--format", "pdf"} << 1 << "PDF не выводится";
    QTest::newRow("two tables") << QStringList{"export", "a.TFL", "b.TFL", "--format", "csv"} << 1
                                << "лишний аргумент «b.TFL»";
    QTest::newRow("no table") << QStringList{"show"} << 1 << "не указан файл таблицы";
    QTest::newRow("missing table")
        << QStringList{"export", missing, "--format", "csv"} << 2 << "Ошибка № 53: Файл не найден";
    QTest::newRow("missing table shown")
        << QStringList{"show", missing} << 2 << "таблица не прочитана";
    QTest::newRow("not a table") << QStringList{"export",
                                                SOCCER_TEST_DATA "/bundesliga-2015-16.csv",
                                                "--format", "html"}
                                 << 2 << "таблица не прочитана: Ошибка №";
}

void TestCliPublish::badArgumentsAndUnreadableTables() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith(QStringLiteral("soccer-cli: ")), qPrintable(result.err));
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestCliPublish::outputThatCannotBeWritten_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder")
        << "csv" << path(QStringLiteral("no/such/folder/out.csv")) << "Ошибка № 76: Путь не найден";
    QTest::newRow("PDF into a missing folder")
        << "pdf" << path(QStringLiteral("no/such/folder/out.pdf")) << "Ошибка № 76";
    QTest::newRow("a folder named as the file") << "html" << folder_.path() << "Ошибка № 75";
}

void TestCliPublish::outputThatCannotBeWritten() {
    QFETCH(QString, format);
    QFETCH(QString, out);
    QFETCH(QString, message);
    const Run result = run({"export", season_, "--format", format, "-o", out});
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(QStringLiteral("soccer-cli: файл не записан: ") + message),
             qPrintable(result.err));
    QVERIFY(!QFileInfo(out).isFile());
}

// A file-size limit stands in for a full disk (and works for root, whom permissions do not
// stop): the export fails part-way, and the file it was to replace stays as it was, with no
// temporary file left beside it.
void TestCliPublish::fullFileSystemLeavesTheOldFile() {
    QTemporaryDir target;
    QVERIFY(target.isValid());
    const QString out = target.filePath(QStringLiteral("table.html"));
    testkit::putFile(out, "old page");
    const Run result = run({"export", big_, "--format", "html", "-o", out}, [](QProcess &process) {
        process.setChildProcessModifier([] {
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
    });
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(QStringLiteral("файл не записан: Ошибка №")),
             qPrintable(result.err));
    QCOMPARE(testkit::fileBytes(out), QByteArray("old page"));
    QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"table.html"}));
}

void TestCliPublish::fullStandardOutput() {
    const Run result = run({"export", season_, "--format", "csv"}, [](QProcess &process) {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    });
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(QStringLiteral("вывод не записан: Ошибка № 61")),
             qPrintable(result.err));
}

void TestCliPublish::readOnlyFolder() {
    if (geteuid() == 0)
        QSKIP("root writes into a read-only folder; the file-size limit covers this case");
    QTemporaryDir target;
    QVERIFY(target.isValid());
    QVERIFY(QFile::setPermissions(target.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString out = target.filePath(QStringLiteral("out.csv"));
    const Run result = run({"export", season_, "--format", "csv", "-o", out});
    QFile::setPermissions(target.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(!QFileInfo::exists(out));
}

QTEST_GUILESS_MAIN(TestCliPublish)
#include "tst_cli_publish.moc"
