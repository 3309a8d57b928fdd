#pragma once

#include "core/publish/publishedtables.h"

#include <QString>
#include <vector>

// Where every part of every table goes on A4 pages, decided by arithmetic alone (no font is
// measured), so that the number of pages follows from the table's size. Measures are in twips
// (1/1440 inch); type sizes in points (20 twips).
//
// Each column is a fixed number of ems wide for its role. A table is printed in the largest
// of the sizes 10, 9, 8 and 7 pt at which all its columns fit across a page, upright when
// they fit so, else on a landscape page (a printer keeps one orientation for all pages). A
// table too wide even at 7 pt (a cross-table of many teams) is printed at 7 pt in landscape
// (or in the printer's orientation) and cut into parts: the
// columns into bands that fit across a page, each band repeating the columns that name the
// row, and the rows into runs that fit down a page, each repeating the header row.
namespace publish {

struct PageMetrics {
    static constexpr int kPageShort = 11906;   // A4: 210 mm
    static constexpr int kPageLong = 16838;    // A4: 297 mm
    static constexpr int kMargin = 567;        // 10 mm on every side
    static constexpr int kHeadingHeight = 800; // the title, the date and the caption
    static constexpr int kFooterHeight = 400;  // the page number
    static constexpr int kLargestPoints = 10;
    static constexpr int kSmallestPoints = 7;
    // Rows and headers, in ems of the table's type size (an em is the size in twips).
    static constexpr double kRowEms = 1.5;
    static constexpr double kHeaderEms = 2.0;
    static constexpr double kTurnedHeaderEms = 7.6; // statistics headers read upwards

    static int usableWidth(bool landscape) {
        return (landscape ? kPageLong : kPageShort) - 2 * kMargin;
    }
    static int usableHeight(bool landscape) {
        return (landscape ? kPageShort : kPageLong) - 2 * kMargin;
    }
};

// How the pages are turned: each table as it needs (a PDF file), or every page alike (a
// printer, which keeps one orientation for a whole document).
enum class Orientation { ByTable, Portrait, Landscape };

// The width of a column in ems, by its role.
double columnEms(soccer::ColumnRole role);
// Whether the header of a column is printed reading upwards, so that a long word sits over a
// narrow column of numbers.
bool turnedHeader(soccer::ColumnRole role);

// How one table is set: its size, page orientation and the measures that follow from them.
struct TableSetting {
    int points = PageMetrics::kLargestPoints;
    bool landscape = false;
    std::vector<int> columnWidths; // twips, one per column
    int rowHeight = 0;
};
TableSetting tableSetting(const soccer::PublishedTable &table,
                          Orientation orientation = Orientation::ByTable);

// One printed page: a run of rows and a band of columns of one table, set as its table is.
struct PlannedPage {
    int table = 0; // index into Publication::tables
    int firstRow = 0;
    int rowCount = 0;
    std::vector<int> columns; // the columns that name the row, then the page's band
    int part = 1;             // this page among the pages of its table, from 1
    int partCount = 1;
    TableSetting setting;
    int headerHeight = 0; // tall only over a band with upward headers
    // The table's notes printed under this page's rows, one a row's height: they follow the
    // last row as more rows would.
    int firstNote = 0;
    int noteCount = 0;
    // The page of the chart of places instead of a table: `table` and the rows mean nothing.
    bool chart = false;
};

// Every page of the publication in print order: the tables one after the other, each cut
// into bands of columns and, within a band, into runs of as many rows as fit under that
// band's header row; then the chart of places, when the publication has it, on one page
// turned landscape (or as the printer is turned), scaled to fit.
std::vector<PlannedPage> planPages(const soccer::Publication &publication,
                                   Orientation orientation = Orientation::ByTable);

// The caption of a page: "График мест" on the chart's page; else the table's caption, followed for
// a table of several pages by "часть 2 из 12: строки 41–80, столбцы «1»–«29»" (rows and columns
// only where they are cut).
QString pageCaption(const soccer::Publication &publication, const PlannedPage &page);

} // namespace publish
