#include "publish/pageplan.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace publish {

namespace {

using soccer::ColumnRole;
using soccer::PublishedTable;

int twipsOf(double ems, int points) {
    return int(ems * points * 20 + 0.5);
}

double tableEms(const PublishedTable &table) {
    double ems = 0;
    for (const soccer::PublishedColumn &column : table.columns)
        ems += columnEms(column.role);
    return ems;
}

// The columns of one page: those that name the row, then the band.
std::vector<int> pageColumns(const PublishedTable &table, const std::vector<int> &band) {
    std::vector<int> columns;
    for (int column = 0; column < table.rowHeaderColumns(); ++column)
        columns.push_back(column);
    columns.insert(columns.end(), band.begin(), band.end());
    return columns;
}

int headerHeightOf(const PublishedTable &table, const std::vector<int> &columns, int points) {
    const bool turned = std::any_of(columns.begin(), columns.end(), [&](int column) {
        return turnedHeader(table.columns[std::size_t(column)].role);
    });
    return twipsOf(turned ? PageMetrics::kTurnedHeaderEms : PageMetrics::kHeaderEms, points);
}

int rowsPerPage(const TableSetting &setting, int headerHeight) {
    const int room = PageMetrics::usableHeight(setting.landscape) - PageMetrics::kHeadingHeight -
                     PageMetrics::kFooterHeight - headerHeight;
    return std::max(1, room / setting.rowHeight);
}

int runsOf(int rows, int perPage) {
    return std::max(1, (rows + perPage - 1) / perPage);
}

std::vector<bool> landscapesOf(Orientation orientation) {
    switch (orientation) {
    case Orientation::Portrait:
        return {false};
    case Orientation::Landscape:
        return {true};
    case Orientation::ByTable:
        break;
    }
    return {false, true};
}

// The largest size at which the whole width fits, upright before landscape; else the smallest
// size, landscape when allowed, to be cut into bands.
void chooseSize(const PublishedTable &table, Orientation orientation, TableSetting &setting) {
    const double ems = tableEms(table);
    const std::vector<bool> landscapes = landscapesOf(orientation);
    for (int points = PageMetrics::kLargestPoints; points >= PageMetrics::kSmallestPoints;
         --points) {
        for (bool landscape : landscapes) {
            if (twipsOf(ems, points) <= PageMetrics::usableWidth(landscape)) {
                setting.points = points;
                setting.landscape = landscape;
                return;
            }
        }
    }
    setting.points = PageMetrics::kSmallestPoints;
    setting.landscape = landscapes.back();
}

// The columns after those that name the row, cut into bands that fit beside them.
std::vector<std::vector<int>> columnBands(const PublishedTable &table,
                                          const TableSetting &setting) {
    const int heads = table.rowHeaderColumns();
    const int headWidth =
        std::accumulate(setting.columnWidths.begin(), setting.columnWidths.begin() + heads, 0);
    const int room = std::max(1, PageMetrics::usableWidth(setting.landscape) - headWidth);
    std::vector<std::vector<int>> bands;
    std::vector<int> band;
    int used = 0;
    for (int column = heads; column < int(table.columns.size()); ++column) {
        const int width = setting.columnWidths[column];
        if (!band.empty() && used + width > room) {
            bands.push_back(band);
            band.clear();
            used = 0;
        }
        band.push_back(column);
        used += width;
    }
    if (!band.empty() || bands.empty())
        bands.push_back(band);
    return bands;
}

QString rangeText(const QString &first, const QString &last) {
    return first == last ? first : first + QStringLiteral("–") + last;
}

QString quoted(const QString &text) {
    return QStringLiteral("«") + text + QStringLiteral("»");
}

// The chart's page: wider than tall as the chart is, unless the printer is turned upright.
PlannedPage chartPage(Orientation orientation) {
    PlannedPage page;
    page.chart = true;
    page.setting.landscape = orientation != Orientation::Portrait;
    return page;
}

} // namespace

double columnEms(ColumnRole role) {
    switch (role) {
    case ColumnRole::Place:
        return 4.2;
    case ColumnRole::TeamNumber:
        return 2.4;
    case ColumnRole::TeamName:
        return 15.0;
    case ColumnRole::Score:
        return 3.3;
    case ColumnRole::Statistic:
        return 3.0;
    case ColumnRole::Reason:
        return 22.0; // "по личным встречам: разница +10 – -10" takes 21.1 ems of DejaVu Sans
    case ColumnRole::Text:
        break;
    }
    return 12.0;
}

bool turnedHeader(ColumnRole role) {
    return role == ColumnRole::Statistic;
}

TableSetting tableSetting(const PublishedTable &table, Orientation orientation) {
    TableSetting setting;
    chooseSize(table, orientation, setting);
    for (const soccer::PublishedColumn &column : table.columns)
        setting.columnWidths.push_back(twipsOf(columnEms(column.role), setting.points));
    setting.rowHeight = twipsOf(PageMetrics::kRowEms, setting.points);
    return setting;
}

std::vector<PlannedPage> planPages(const soccer::Publication &publication,
                                   Orientation orientation) {
    std::vector<PlannedPage> pages;
    for (int index = 0; index < int(publication.tables.size()); ++index) {
        const PublishedTable &table = publication.tables[std::size_t(index)];
        const TableSetting setting = tableSetting(table, orientation);
        const int rows = int(table.rows.size());
        const int lines = rows + int(table.notes.size());
        // One page per run of rows in each band, all bands first set up to count the parts.
        std::vector<PlannedPage> bandPages;
        int partCount = 0;
        for (const std::vector<int> &band : columnBands(table, setting)) {
            PlannedPage page;
            page.table = index;
            page.columns = pageColumns(table, band);
            page.setting = setting;
            page.headerHeight = headerHeightOf(table, page.columns, setting.points);
            page.rowCount = rowsPerPage(setting, page.headerHeight);
            partCount += runsOf(lines, page.rowCount);
            bandPages.push_back(std::move(page));
        }
        int part = 0;
        for (const PlannedPage &band : bandPages) {
            const int perPage = band.rowCount;
            for (int run = 0; run < runsOf(lines, perPage); ++run) {
                PlannedPage page = band;
                const int firstLine = run * perPage;
                const int endLine = std::min(firstLine + perPage, lines);
                page.firstRow = std::min(firstLine, rows);
                page.rowCount = std::max(0, std::min(endLine, rows) - firstLine);
                page.firstNote = std::max(0, firstLine - rows);
                page.noteCount = std::max(0, endLine - std::max(firstLine, rows));
                page.part = ++part;
                page.partCount = partCount;
                pages.push_back(std::move(page));
            }
        }
    }
    if (publication.chart)
        pages.push_back(chartPage(orientation));
    return pages;
}

QString pageCaption(const soccer::Publication &publication, const PlannedPage &page) {
    if (page.chart)
        return QStringLiteral("График мест");
    const PublishedTable &table = publication.tables[std::size_t(page.table)];
    if (page.partCount <= 1)
        return table.caption;
    QStringList cuts;
    if (page.rowCount > 0 && page.rowCount < int(table.rows.size())) {
        cuts.append(QStringLiteral("строки ") +
                    rangeText(QString::number(page.firstRow + 1),
                              QString::number(page.firstRow + page.rowCount)));
    }
    const int heads = table.rowHeaderColumns();
    const int shown = int(page.columns.size()) - heads;
    if (shown > 0 && shown < int(table.columns.size()) - heads) {
        cuts.append(QStringLiteral("столбцы ") +
                    rangeText(quoted(table.columns[std::size_t(page.columns[heads])].header),
                              quoted(table.columns[std::size_t(page.columns.back())].header)));
    }
    return table.caption +
           QStringLiteral(" — часть %1 из %2: ").arg(page.part).arg(page.partCount) +
           cuts.join(QStringLiteral(", "));
}

} // namespace publish
