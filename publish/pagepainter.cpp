#include "publish/pagepainter.h"

#include "publish/chartpainter.h"
#include "publish/pageplan.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace publish {

namespace {

using soccer::ColumnRole;
using soccer::PublishedTable;

const QColor kHeaderFill(0xE4, 0xE8, 0xEC);
const QColor kStripeFill(0xF1, 0xF4, 0xF7);
const QColor kOwnMatchFill(0x2B, 0x2B, 0x2B);
const QColor kRule(0x9A, 0x9A, 0x9A);
const QColor kInk(0x11, 0x11, 0x11);
const QColor kQuietInk(0x44, 0x44, 0x44);

constexpr int kTitlePoints = 13;
constexpr int kDatePoints = 9;
constexpr int kCaptionPoints = 10;
constexpr int kFooterPoints = 8;
constexpr int kChartTextUnits = 10;     // as the SVG picture sets its text
constexpr int kRuleWidth = 10;          // half a point
constexpr double kCellPaddingEms = 0.3; // between a cell's text and its rules

// The size in the painter's units: twips on a table's page, the chart's own units on its page.
QFont fontOfSize(int units, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(units);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont fontOf(int points, bool bold = false) {
    return fontOfSize(points * 20, bold);
}

Qt::Alignment alignmentOf(ColumnRole role) {
    switch (role) {
    case ColumnRole::TeamName:
    case ColumnRole::Text:
    case ColumnRole::Reason:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ColumnRole::Score:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
}

void setLayout(QPagedPaintDevice &device, bool landscape) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
}

class PagePainter {
  public:
    PagePainter(QPainter &painter, const soccer::Publication &publication)
        : painter_(painter), publication_(publication) {}

    void paint(const PlannedPage &page, int number, int count) {
        painter_.resetTransform();
        painter_.scale(painter_.device()->logicalDpiX() / 1440.0,
                       painter_.device()->logicalDpiY() / 1440.0);
        width_ = PageMetrics::usableWidth(page.setting.landscape);
        height_ = PageMetrics::usableHeight(page.setting.landscape);
        paintHeading(page);
        if (page.chart)
            paintChart();
        else
            paintTable(page);
        paintFooter(number, count);
    }

  private:
    // Draws a text in a box, cut short with an ellipsis when it does not fit.
    void drawText(const QRectF &box, const QString &text, Qt::Alignment alignment) {
        const QFontMetricsF metrics(painter_.font());
        const QString shown = metrics.horizontalAdvance(text) <= box.width()
                                  ? text
                                  : metrics.elidedText(text, Qt::ElideRight, box.width());
        painter_.drawText(box, int(alignment) | Qt::TextSingleLine, shown);
    }

    void paintHeading(const PlannedPage &page) {
        const int m = PageMetrics::kMargin;
        const QString date = publication_.date.isValid()
                                 ? QStringLiteral("Дата публикации: ") +
                                       publication_.date.toString(QStringLiteral("dd.MM.yyyy"))
                                 : QString();
        painter_.setPen(kQuietInk);
        painter_.setFont(fontOf(kDatePoints));
        const double dateWidth = QFontMetricsF(painter_.font()).horizontalAdvance(date);
        painter_.drawText(QRectF(m, m, width_, 400), Qt::AlignRight | Qt::AlignVCenter, date);
        painter_.setPen(kInk);
        painter_.setFont(fontOf(kTitlePoints, true));
        drawText(QRectF(m, m, width_ - dateWidth - 200, 400), publication_.title,
                 Qt::AlignLeft | Qt::AlignVCenter);
        painter_.setFont(fontOf(kCaptionPoints));
        drawText(QRectF(m, m + 400, width_, 300), pageCaption(publication_, page),
                 Qt::AlignLeft | Qt::AlignVCenter);
    }

    void paintFooter(int number, int count) {
        const int m = PageMetrics::kMargin;
        painter_.setPen(kQuietInk);
        painter_.setFont(fontOf(kFooterPoints));
        painter_.drawText(
            QRectF(m, m + height_ - PageMetrics::kFooterHeight, width_, PageMetrics::kFooterHeight),
            Qt::AlignRight | Qt::AlignBottom,
            QStringLiteral("Страница %1 из %2").arg(number).arg(count));
    }

    // The chart as large as the room between the heading and the footer allows, both ways
    // scaled alike so that its text keeps its shape.
    void paintChart() {
        const soccer::PublishedChart &chart = *publication_.chart;
        const double room = height_ - PageMetrics::kHeadingHeight - PageMetrics::kFooterHeight;
        const double scale = std::min(width_ / soccer::placeschart::chartWidth(chart.history),
                                      room / soccer::placeschart::chartHeight(chart.history));
        painter_.save();
        painter_.translate(PageMetrics::kMargin,
                           PageMetrics::kMargin + PageMetrics::kHeadingHeight);
        painter_.scale(scale, scale);
        painter_.setFont(fontOfSize(kChartTextUnits));
        paintPlacesChart(painter_, chart.teamNames, chart.history);
        painter_.restore();
    }

    void paintTable(const PlannedPage &page) {
        const PublishedTable &table = publication_.tables[std::size_t(page.table)];
        const TableSetting &setting = page.setting;
        const double padding = kCellPaddingEms * setting.points * 20;
        const int top = PageMetrics::kMargin + PageMetrics::kHeadingHeight;
        std::vector<double> lefts;
        double x = PageMetrics::kMargin;
        for (int column : page.columns) {
            lefts.push_back(x);
            x += setting.columnWidths[std::size_t(column)];
        }
        const double right = x;
        const double bottom = top + page.headerHeight + page.rowCount * setting.rowHeight;

        painter_.fillRect(
            QRectF(PageMetrics::kMargin, top, right - PageMetrics::kMargin, page.headerHeight),
            kHeaderFill);
        painter_.setPen(kInk);
        painter_.setFont(fontOf(setting.points, true));
        for (std::size_t i = 0; i < page.columns.size(); ++i) {
            const soccer::PublishedColumn &column = table.columns[std::size_t(page.columns[i])];
            const QRectF box(lefts[i], top, setting.columnWidths[std::size_t(page.columns[i])],
                             page.headerHeight);
            paintHeader(box.adjusted(padding, 0, -padding, 0), column);
        }

        painter_.setFont(fontOf(setting.points));
        for (int k = 0; k < page.rowCount; ++k) {
            const int row = page.firstRow + k;
            const double y = top + page.headerHeight + k * setting.rowHeight;
            if (row % 2 == 1)
                painter_.fillRect(QRectF(PageMetrics::kMargin, y, right - PageMetrics::kMargin,
                                         setting.rowHeight),
                                  kStripeFill);
            const std::vector<soccer::PublishedCell> &cells = table.rows[std::size_t(row)];
            for (std::size_t i = 0; i < page.columns.size(); ++i) {
                const std::size_t column = std::size_t(page.columns[i]);
                const QRectF box(lefts[i], y, setting.columnWidths[column], setting.rowHeight);
                if (column >= cells.size())
                    continue;
                if (cells[column].ownMatch)
                    painter_.fillRect(box, kOwnMatchFill);
                drawText(box.adjusted(padding, 0, -padding, 0), cells[column].text,
                         alignmentOf(table.columns[column].role));
            }
        }

        paintRules(lefts, right, top, page, bottom);
        paintNotes(table, page, bottom);
    }

    // The notes under the rows, left-aligned across the page.
    void paintNotes(const PublishedTable &table, const PlannedPage &page, double top) {
        painter_.setPen(kInk);
        for (int k = 0; k < page.noteCount; ++k) {
            const QRectF box(PageMetrics::kMargin, top + k * page.setting.rowHeight, width_,
                             page.setting.rowHeight);
            drawText(box, table.notes.value(page.firstNote + k), Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

    // A statistics header reads upwards from the foot of its box; others sit centred on one line.
    void paintHeader(const QRectF &box, const soccer::PublishedColumn &column) {
        if (!turnedHeader(column.role)) {
            drawText(box, column.header, Qt::AlignHCenter | Qt::AlignBottom);
            return;
        }
        painter_.save();
        painter_.translate(box.left(), box.bottom());
        painter_.rotate(-90);
        const double along = box.height() - 100;
        drawText(QRectF(100, 0, along, box.width()), column.header,
                 Qt::AlignLeft | Qt::AlignVCenter);
        painter_.restore();
    }

    void paintRules(const std::vector<double> &lefts, double right, double top,
                    const PlannedPage &page, double bottom) {
        painter_.setPen(QPen(kRule, kRuleWidth));
        for (double left : lefts)
            painter_.drawLine(QLineF(left, top, left, bottom));
        painter_.drawLine(QLineF(right, top, right, bottom));
        const double left = lefts.empty() ? right : lefts.front();
        painter_.drawLine(QLineF(left, top, right, top));
        for (int k = 0; k <= page.rowCount; ++k) {
            const double y = top + page.headerHeight + k * page.setting.rowHeight;
            painter_.drawLine(QLineF(left, y, right, y));
        }
    }

    QPainter &painter_;
    const soccer::Publication &publication_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace

void paintPage(QPainter &painter, const soccer::Publication &publication, const PlannedPage &page,
               int number, int count) {
    PagePainter(painter, publication).paint(page, number, count);
}

bool paintPublication(QPagedPaintDevice &device, const soccer::Publication &publication,
                      Orientation orientation) {
    const std::vector<PlannedPage> pages = planPages(publication, orientation);
    QPainter painter;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (orientation == Orientation::ByTable)
            setLayout(device, pages[i].setting.landscape);
        if (i == 0) {
            if (!painter.begin(&device))
                return false;
        } else if (!device.newPage()) {
            return false;
        }
        paintPage(painter, publication, pages[i], int(i) + 1, int(pages.size()));
    }
    return pages.empty() || painter.end();
}

} // namespace publish
