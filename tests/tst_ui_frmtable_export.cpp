// "Экспорт..." from the main window on the Bundesliga season: the filter chosen in the file
// dialog decides the format and, for CSV, the table; a typed extension decides the format
// over the filter; a cancelled dialog writes nothing; the tables are counted off the window.
#include "tst_bundesliga_kit.h"
#include "tst_kit_mainwindow.h"
#include "tst_kit_season.h"
#include "tst_publish_kit.h"

#include "core/files/spelling.h"
#include "core/publish/csvtable.h"
#include "core/publish/publishedtables.h"
#include "core/season/draw.h"
#include "publish/exportfile.h"
#include "ui/main/seasonview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <optional>

using namespace testkit;
using Kind = soccer::PublishedTableKind;

Q_DECLARE_METATYPE(std::optional<Kind>)

namespace {

// The filters of the dialog, in the order offered; the rounds only with a calendar.
enum Filter { Html, ResultsCsv, Cross1Csv, Cross2Csv, Pdf, RoundsCsv };

QStringList filesIn(const Sandbox &sandbox) {
    QStringList files = QDir(sandbox.dir.path()).entryList(QDir::Files);
    files.sort();
    return files;
}

QString seasonTable(const Sandbox &sandbox, bool withCalendar = false) {
    auto season = std::make_unique<soccer::League>();
    bundesliga::replaySeason(*season);
    if (withCalendar)
        season->calendar = soccer::drawCalendar(season->teamCount, {});
    // Kept as the rename prompt would offer them, so that the table file holds them exactly.
    for (int team = 1; team <= season->teamCount; ++team)
        season->teamNames[team] = soccer::nearestStorableSpelling(season->teamNames[team]);
    return sandbox.table(QStringLiteral("Бундеслига.TFL"), *season);
}

} // namespace

class TestMainWindowExport : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void dialogOffersEveryFormatAndTable_data();
    void dialogOffersEveryFormatAndTable();
    void chosenFilterDecidesWhatIsWritten_data();
    void chosenFilterDecidesWhatIsWritten();
    void cancelledDialogWritesNothing();
    void existingFileReplacedOnlyAfterYes_data();
    void existingFileReplacedOnlyAfterYes();
    void placesCountedAwayFromTheWindow();
};

void TestMainWindowExport::dialogOffersEveryFormatAndTable_data() {
    QTest::addColumn<bool>("withCalendar");
    QTest::newRow("no calendar") << false;
    QTest::newRow("a calendar") << true;
}

void TestMainWindowExport::dialogOffersEveryFormatAndTable() {
    QFETCH(bool, withCalendar);
    Sandbox sandbox;
    frmtable *window = sandbox.open(seasonTable(sandbox, withCalendar));
    control<QAction>(window, "mnuexport")->trigger();
    QCOMPARE(sandbox.prompter.asked().size(), 1);
    const platform::ScriptedPrompter::Asked &dialog = sandbox.prompter.asked()[0];
    QCOMPARE(dialog.mode, platform::FileMode::Save);
    QStringList patterns;
    for (const platform::FileFilter &filter : dialog.filters)
        patterns << filter.pattern;
    QStringList expected({"*.html", "*.csv", "*.csv", "*.csv", "*.pdf"});
    if (withCalendar)
        expected << "*.csv";
    QCOMPARE(patterns, expected);
    QVERIFY(
        dialog.filters[Cross1Csv].description.contains(QStringLiteral("Шахматная таблица (1)")));
    QVERIFY(
        dialog.filters[Cross2Csv].description.contains(QStringLiteral("Шахматная таблица (2)")));
    QVERIFY(dialog.filters[ResultsCsv].description.contains(QStringLiteral("Таблица результатов")));
    if (withCalendar)
        QVERIFY(dialog.filters[RoundsCsv].description.contains(QStringLiteral("Туры")));
}

void TestMainWindowExport::chosenFilterDecidesWhatIsWritten_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("format");
    QTest::addColumn<std::optional<Kind>>("table");
    const std::optional<Kind> all;
    QTest::newRow("results CSV") << "out.csv" << int(ResultsCsv) << "out.csv"
                                 << "csv" << std::optional(Kind::Results);
    QTest::newRow("cross-table 1 CSV") << "out.csv" << int(Cross1Csv) << "out.csv"
                                       << "csv" << std::optional(Kind::FirstHalf);
    QTest::newRow("cross-table 2 CSV") << "out.csv" << int(Cross2Csv) << "out.csv"
                                       << "csv" << std::optional(Kind::SecondHalf);
    QTest::newRow("no extension, cross-table 2") << "out" << int(Cross2Csv) << "out.csv"
                                                 << "csv" << std::optional(Kind::SecondHalf);
    QTest::newRow("other extension, cross-table 1")
        << "season.2016" << int(Cross1Csv) << "season.2016.csv"
        << "csv" << std::optional(Kind::FirstHalf);
    QTest::newRow("CSV typed under the page filter") << "OUT.CSV" << int(Html) << "OUT.CSV"
                                                     << "csv" << std::optional(Kind::Results);
    QTest::newRow("web page") << "out.html" << int(Html) << "out.html"
                              << "html" << all;
    QTest::newRow("web page typed under a CSV filter") << "out.htm" << int(Cross1Csv) << "out.htm"
                                                       << "html" << all;
    QTest::newRow("PDF") << "out.pdf" << int(Pdf) << "out.pdf"
                         << "pdf" << all;
    QTest::newRow("no extension, PDF") << "out" << int(Pdf) << "out.pdf"
                                       << "pdf" << all;
    QTest::newRow("rounds CSV") << "out" << int(RoundsCsv) << "out.csv"
                                << "csv" << std::optional(Kind::Rounds);
    QTest::newRow("PDF typed under a CSV filter") << "out.pdf" << int(Cross2Csv) << "out.pdf"
                                                  << "pdf" << all;
}

void TestMainWindowExport::chosenFilterDecidesWhatIsWritten() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QString, format);
    QFETCH(std::optional<Kind>, table);
    Sandbox sandbox;
    const bool rounds = table == Kind::Rounds;
    frmtable *window = sandbox.open(seasonTable(sandbox, rounds));
    QCOMPARE(window->league().teamCount, 18);
    QStringList files = filesIn(sandbox);
    sandbox.prompter.queueFile(sandbox.path(typed), filter);
    control<QAction>(window, "mnuexport")->trigger();
    QTRY_COMPARE(sandbox.prompter.askedTexts().last(), QStringLiteral("Экспорт завершён"));
    files << written;
    files.sort();
    QCOMPARE(filesIn(sandbox), files);
    const QByteArray bytes = fileBytes(sandbox.path(written));

    if (format == QLatin1String("csv")) {
        const soccer::PublishedTable expected = soccer::publishedTable(window->league(), *table);
        QCOMPARE(bytes, soccer::csvTable(expected));
        const QList<QStringList> records = publishkit::parseCsv(bytes.mid(3));
        if (rounds) {
            // A line a match of the season's 34 rounds of 9.
            QCOMPARE(records.size(), 1 + 34 * 9);
            return;
        }
        QCOMPARE(records.size(), 19);
        // The header row tells the tables apart; the two halves by their scores.
        QCOMPARE(records[0][0], QString(*table == Kind::Results ? "Место" : "№"));
        QCOMPARE(records[0].size(), *table == Kind::Results ? 10 : 2 + 18 + 7);
        if (*table != Kind::Results) {
            const Kind other = *table == Kind::FirstHalf ? Kind::SecondHalf : Kind::FirstHalf;
            QVERIFY(bytes != soccer::csvTable(soccer::publishedTable(window->league(), other)));
        }
    } else if (format == QLatin1String("html")) {
        const publishkit::HtmlPage page = publishkit::readHtmlPage(bytes);
        QCOMPARE(page.error, QString());
        QCOMPARE(page.tables.size(), 3);
        QCOMPARE(page.tables[0].rows.size(), 18);
        QCOMPARE(page.tables[2].caption, QStringLiteral("Шахматная таблица (2)"));
    } else {
        QVERIFY(bytes.startsWith("%PDF"));
    }
}

void TestMainWindowExport::cancelledDialogWritesNothing() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(seasonTable(sandbox));
    const QStringList files = filesIn(sandbox);
    sandbox.prompter.queueFile(std::nullopt);
    control<QAction>(window, "mnuexport")->trigger();
    QCOMPARE(sandbox.prompter.asked().size(), 1); // the dialog only: no report
    QCOMPARE(sandbox.prompter.unexpected(), 0);
    QCOMPARE(filesIn(sandbox), files);
}

void TestMainWindowExport::existingFileReplacedOnlyAfterYes_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("Да replaces") << true;
    QTest::newRow("Нет keeps the old file") << false;
}

// The extension is added before the question, so the question names the file written.
void TestMainWindowExport::existingFileReplacedOnlyAfterYes() {
    QFETCH(bool, replace);
    Sandbox sandbox;
    frmtable *window = sandbox.open(seasonTable(sandbox));
    const QString target = sandbox.path(QStringLiteral("old.csv"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("last week's table");
    }
    sandbox.prompter.queueFile(sandbox.path(QStringLiteral("old")), int(ResultsCsv));
    sandbox.prompter.queueAnswer(replace ? platform::Answer::Yes : platform::Answer::No);
    control<QAction>(window, "mnuexport")->trigger();
    QVERIFY(sandbox.prompter.askedTexts().contains(
        QStringLiteral("Файл ") + target + QStringLiteral(" уже существует. Заменить его?")));
    QTRY_COMPARE(sandbox.prompter.askedTexts().contains(QStringLiteral("Экспорт завершён")),
                 replace);
    QCOMPARE(fileBytes(target) == "last week's table", !replace);
    if (replace)
        QVERIFY(fileBytes(target).startsWith("\xEF\xBB\xBF"));
    QCOMPARE(sandbox.prompter.unexpected(), 0);
}

// The places of a season after round 30 take the solver a while: the command returns at once,
// the window free, and the file comes later with the bytes the export always wrote.
void TestMainWindowExport::placesCountedAwayFromTheWindow() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.table("SEASON.TFL", *seasonkit::importedSeason()));
    window->protable();
    control<QComboBox>(window, "cborounds")->setCurrentIndex(30);
    control<QCheckBox>(window, "chkplaces")->click();
    const QString path = sandbox.path(QStringLiteral("places.csv"));
    sandbox.prompter.queueFile(path, int(ResultsCsv));
    control<QAction>(window, "mnuexport")->trigger();
    QVERIFY(!QFile::exists(path));
    QVERIFY(!sandbox.prompter.askedTexts().contains(QStringLiteral("Экспорт завершён")));
    QTRY_COMPARE_WITH_TIMEOUT(sandbox.prompter.askedTexts().last(),
                              QStringLiteral("Экспорт завершён"), 30000);
    publish::ExportRequest request{publish::ExportFormat::Csv, Kind::Results, {}};
    request.season = control<SeasonView>(window, "frseason")->publishing();
    const QByteArray expected =
        publish::exportBytes(window->league(), request, QDate::currentDate());
    QCOMPARE(fileBytes(path), expected);
    QVERIFY(expected.contains("1–2"));
}

QTEST_MAIN(TestMainWindowExport)
#include "tst_ui_frmtable_export.moc"
