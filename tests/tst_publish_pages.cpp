// The pages of the printed tables: every cell on exactly one page and within it, the columns
// that name the rows and the header row on every page, the captions of the parts, the print
// preview showing the same pages, and the chart of places after the tables of a season.
#include "core/publish/htmlpage.h"
#include "core/publish/publishedtables.h"
#include "publish/exportfile.h"
#include "publish/pagepainter.h"
#include "publish/pageplan.h"
#include "publish/printpreview.h"
#include "tst_kit_season.h"
#include "tst_publish_kit.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <map>
#include <numeric>

using namespace soccer;
using publish::PageMetrics;
using publish::PlannedPage;

Q_DECLARE_METATYPE(publish::Orientation)
Q_DECLARE_METATYPE(publish::ExportFormat)

namespace {

const QDate kDay(2016, 5, 14);

Publication publicationOf(int teams) {
    return fullPublication(*publishkit::playedLeague(teams), QDate(2016, 5, 14));
}

// The Bundesliga season with its calendar, all played, none played, or without a calendar.
std::unique_ptr<League> seasonLeague(const QString &calendar) {
    auto league = seasonkit::importedSeason();
    if (calendar == u"none")
        league->calendar = {};
    if (calendar == u"unplayed") {
        for (const Fixture &f : league->calendar.fixtures)
            league->crossTables[f.half].cells[f.home][f.away].clear();
    }
    return league;
}

// The text of every page as pdftotext reads it.
QString pdfText(const QByteArray &pdf) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("out.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return QStringLiteral("<not written>");
    file.close();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    reader.waitForFinished(60000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

int widthOf(const PlannedPage &page) {
    int width = 0;
    for (int column : page.columns)
        width += page.setting.columnWidths[std::size_t(column)];
    return width;
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT

  private slots:
    void sizeFollowsTheWidth_data();
    void sizeFollowsTheWidth();
    void pageCounts_data();
    void pageCounts();
    void everyCellOnExactlyOnePage_data();
    void everyCellOnExactlyOnePage();
    void captionsNameTheParts();
    void printPreviewShowsThePlannedPages();
    void chartFollowsTheTablesOfAPlayedSeason_data();
    void chartFollowsTheTablesOfAPlayedSeason();
    void chartPageDrawsEveryTeamsLine();
};

void TestPages::sizeFollowsTheWidth_data() {
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("landscape");
    // Widths in ems: results 43.2; a cross-table 38.4 + 3.3 per team.
    QTest::newRow("results") << 99 << 0 << 10 << false;
    QTest::newRow("4-team cross-table upright") << 4 << 1 << 10 << false;     // 51.6 ems
    QTest::newRow("6-team cross-table turned") << 6 << 1 << 10 << true;       // 58.2 ems
    QTest::newRow("18-team cross-table at 8 pt") << 18 << 2 << 8 << true;     // 97.8 ems
    QTest::newRow("99-team cross-table cut at 7 pt") << 99 << 1 << 7 << true; // 365.1 ems
}

void TestPages::sizeFollowsTheWidth() {
    QFETCH(int, teams);
    QFETCH(int, table);
    QFETCH(int, points);
    QFETCH(bool, landscape);
    const publish::TableSetting setting =
        publish::tableSetting(publicationOf(teams).tables[std::size_t(table)]);
    QCOMPARE(setting.points, points);
    QCOMPARE(setting.landscape, landscape);
}

// Derived in tst_cli_publish.cpp for 18 and 99 teams; 60 teams: results 2 pages (43 + 17), a
// cross-table 3 bands (28, 28, 4 with the statistics) by 2 runs of rows each (44 + 16 under
// the short header of the score bands, 40 + 20 under the statistics headers).
void TestPages::pageCounts_data() {
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("pages");
    QTest::newRow("4 teams") << 4 << 3;
    QTest::newRow("18 teams") << 18 << 3;
    QTest::newRow("60 teams") << 60 << 2 + 6 + 6;
    QTest::newRow("99 teams") << 99 << 3 + 12 + 12;
}

void TestPages::pageCounts() {
    QFETCH(int, teams);
    QFETCH(int, pages);
    QCOMPARE(int(publish::planPages(publicationOf(teams)).size()), pages);
}

void TestPages::everyCellOnExactlyOnePage_data() {
    QTest::addColumn<int>("teams");
    QTest::addColumn<publish::Orientation>("orientation");
    QTest::newRow("18 teams") << 18 << publish::Orientation::ByTable;
    QTest::newRow("60 teams") << 60 << publish::Orientation::ByTable;
    QTest::newRow("99 teams") << 99 << publish::Orientation::ByTable;
    QTest::newRow("99 teams upright") << 99 << publish::Orientation::Portrait;
    QTest::newRow("99 teams landscape") << 99 << publish::Orientation::Landscape;
    QTest::newRow("18 teams upright") << 18 << publish::Orientation::Portrait;
}

void TestPages::everyCellOnExactlyOnePage() {
    QFETCH(int, teams);
    QFETCH(publish::Orientation, orientation);
    const Publication publication = publicationOf(teams);
    const std::vector<PlannedPage> pages = publish::planPages(publication, orientation);
    std::map<std::tuple<int, int, int>, int> printed; // (table, row, column) -> times
    for (const PlannedPage &page : pages) {
        const PublishedTable &table = publication.tables[std::size_t(page.table)];
        const publish::TableSetting &setting = page.setting;
        const int heads = table.rowHeaderColumns();
        QVERIFY(int(page.columns.size()) > heads);
        if (orientation != publish::Orientation::ByTable)
            QCOMPARE(page.setting.landscape, orientation == publish::Orientation::Landscape);
        for (int column = 0; column < heads; ++column)
            QCOMPARE(page.columns[std::size_t(column)], column);
        QVERIFY(widthOf(page) <= PageMetrics::usableWidth(page.setting.landscape));
        QVERIFY(PageMetrics::kHeadingHeight + page.headerHeight +
                    page.rowCount * setting.rowHeight + PageMetrics::kFooterHeight <=
                PageMetrics::usableHeight(page.setting.landscape));
        for (int row = page.firstRow; row < page.firstRow + page.rowCount; ++row) {
            for (std::size_t i = std::size_t(heads); i < page.columns.size(); ++i)
                ++printed[{page.table, row, page.columns[i]}];
        }
    }
    std::size_t cells = 0;
    for (const PublishedTable &table : publication.tables)
        cells += table.rows.size() * (table.columns.size() - std::size_t(table.rowHeaderColumns()));
    QCOMPARE(printed.size(), cells);
    for (const auto &[cell, times] : printed)
        QCOMPARE(times, 1);
}

void TestPages::captionsNameTheParts() {
    const Publication publication = publicationOf(99);
    const std::vector<PlannedPage> pages = publish::planPages(publication);
    QCOMPARE(publish::pageCaption(publication, pages[0]),
             QStringLiteral("Таблица результатов — часть 1 из 3: строки 1–43"));
    // Cross-table 1 starts on page 4: down the first band of columns, then the next band.
    // Under the short header of a band of scores 44 rows fit, under the upward statistics
    // headers of the last band 40.
    QCOMPARE(publish::pageCaption(publication, pages[4]),
             QStringLiteral("Шахматная таблица (1) — часть 2 из 12: строки 45–88, "
                            "столбцы «1»–«28»"));
    QCOMPARE(publish::pageCaption(publication, pages[3 + 9]),
             QStringLiteral("Шахматная таблица (1) — часть 10 из 12: строки 1–40, "
                            "столбцы «85»–«Очки»"));
    const Publication small = publicationOf(18);
    QCOMPARE(publish::pageCaption(small, publish::planPages(small)[2]),
             QStringLiteral("Шахматная таблица (2)"));
}

// The window's print command shows the preview. A printer keeps one orientation for the
// whole document, so the 60-team season is printed all in landscape: the results then take
// 3 pages of 26 rows, each cross-table 6 pages as in the PDF.
void TestPages::printPreviewShowsThePlannedPages() {
    auto league = publishkit::playedLeague(60);
    int shown = -1;
    bool landscape = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        landscape = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
        if (auto *preview = dialog->findChild<QPrintPreviewWidget *>()) {
            preview->updatePreview();
            shown = preview->pageCount();
        }
        dialog->reject();
    });
    publish::printWithPreview(nullptr, *league);
    QVERIFY(landscape);
    QCOMPARE(shown, 3 + 6 + 6);
}

void TestPages::chartFollowsTheTablesOfAPlayedSeason_data() {
    QTest::addColumn<publish::ExportFormat>("format");
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<bool>("resultsAlone");
    QTest::addColumn<bool>("chart");
    for (const auto format : {publish::ExportFormat::Html, publish::ExportFormat::Pdf}) {
        const char *name = format == publish::ExportFormat::Html ? "html" : "pdf";
        QTest::addRow("%s, played", name) << format << "played" << false << true;
        QTest::addRow("%s, played, results alone", name) << format << "played" << true << false;
        QTest::addRow("%s, nothing played", name) << format << "unplayed" << false << false;
        QTest::addRow("%s, no calendar", name) << format << "none" << false << false;
    }
}

// The chart comes after the tables of the whole season's publication; without it the export is
// the tables' own, byte for byte on the web page.
void TestPages::chartFollowsTheTablesOfAPlayedSeason() {
    QFETCH(publish::ExportFormat, format);
    QFETCH(QString, calendar);
    QFETCH(bool, resultsAlone);
    QFETCH(bool, chart);
    const auto league = seasonLeague(calendar);
    publish::ExportRequest request{format, std::nullopt, {}};
    if (resultsAlone)
        request.table = PublishedTableKind::Results;
    const QByteArray bytes = publish::exportBytes(*league, request, kDay);
    const Publication tables =
        seasonPublication(*league, publish::exportedTables(*league, request), kDay, {});
    if (format == publish::ExportFormat::Pdf) {
        QCOMPARE(publishkit::orientations(bytes),
                 publishkit::orientations(publish::pdfBytes(tables)) + (chart ? "L" : ""));
        QCOMPARE(pdfText(bytes).contains(QStringLiteral("График мест")), chart);
        return;
    }
    QCOMPARE(publishkit::readHtmlPage(bytes).error, QString());
    QCOMPARE(bytes.count("<svg "), qsizetype(chart));
    QCOMPARE(bytes.count(QStringLiteral("<figure class=\"chart\">\n<figcaption>График мест"
                                        "</figcaption>\n<svg ")
                             .toUtf8()),
             qsizetype(chart));
    QCOMPARE(bytes.count("</svg>\n</figure>\n</main>"), qsizetype(chart));
    if (!chart)
        QCOMPARE(bytes, htmlPage(tables));
}

// The chart's page painted on an image as on paper: every team's line in its own colour.
void TestPages::chartPageDrawsEveryTeamsLine() {
    const auto league = seasonLeague(QStringLiteral("played"));
    const Publication publication =
        publish::exportedPublication(*league, {publish::ExportFormat::Pdf, std::nullopt, {}}, kDay);
    const std::vector<PlannedPage> pages = publish::planPages(publication);
    QVERIFY(pages.back().chart);
    constexpr int kDotsPerMetre = 5906; // 150 dpi
    QImage image(PageMetrics::kPageLong * 150 / 1440, PageMetrics::kPageShort * 150 / 1440,
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        publish::paintPage(painter, publication, pages.back(), int(pages.size()),
                           int(pages.size()));
    }
    std::map<QRgb, int> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++pixels[line[x]];
    }
    for (int team = 1; team <= league->teamCount; ++team) {
        const QRgb color = QColor(placeschart::teamColor(team, league->teamCount)).rgb();
        QVERIFY2(pixels[color] > 100, qPrintable(league->teamNames[team]));
    }
}

QTEST_MAIN(TestPages)
#include "tst_publish_pages.moc"
