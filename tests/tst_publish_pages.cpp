// The pages of the printed tables: every cell on exactly one page and within it, the columns
// that name the rows and the header row on every page, the captions of the parts, and the
// print preview showing the same pages, and the chart of places after a season's tables.
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
#include <QTimer>
#include <QtTest>
#include <map>
#include <numeric>

using namespace soccer;
using publish::PageMetrics;
using publish::PlannedPage;

Q_DECLARE_METATYPE(publish::Orientation)

namespace {

Publication publicationOf(int teams) {
    return fullPublication(*publishkit::playedLeague(teams), QDate(2016, 5, 14));
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

// After the tables of a played season a landscape page «График мест», painted here on an image
// of the page as on paper: every team's line in its own colour.
void TestPages::chartPageDrawsEveryTeamsLine() {
    const auto league = seasonkit::importedSeason();
    const Publication publication = publish::exportedPublication(
        *league, {publish::ExportFormat::Pdf, std::nullopt, {}}, QDate(2016, 5, 14));
    const std::vector<PlannedPage> pages = publish::planPages(publication);
    QVERIFY(pages.back().chart && pages.back().setting.landscape);
    QCOMPARE(publish::pageCaption(publication, pages.back()), QStringLiteral("График мест"));
    QImage image(1754, 1240, QImage::Format_RGB32); // A4 landscape at 150 dpi
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        publish::paintPage(painter, publication, pages.back(), int(pages.size()),
                           int(pages.size()));
    }
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    for (int team = 1; team <= league->teamCount; ++team)
        QVERIFY2(colours.contains(QColor(placeschart::teamColor(team, league->teamCount)).rgb()),
                 qPrintable(league->teamNames[team]));
}

QTEST_MAIN(TestPages)
#include "tst_publish_pages.moc"
