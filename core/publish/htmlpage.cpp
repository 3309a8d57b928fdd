#include "core/publish/htmlpage.h"

#include "core/publish/placeschart.h"

#include <QStringList>

namespace soccer {

namespace {

// The page's own style. Kept free of '<' and '&' so that the page stays well-formed XML.
// Screen: tables scroll sideways inside their frame on a narrow screen, the team names stay
// in view while the numbers scroll, and on a phone the points stay in view at the right edge
// of the frame (a column sticks only where it would leave the view, so a second column stuck
// at the left would still start out of sight). Paper: A4, each table on its own page, cross-tables
// on landscape pages, header rows repeated, the diagonal printed dark.
const char kStyle[] = R"css(
:root{color-scheme:light}
body{font-family:"DejaVu Sans","Segoe UI",Roboto,Arial,sans-serif;margin:1rem;color:#111;background:#fff;line-height:1.35}
h1{font-size:1.5rem;margin:0 0 .2rem}
.published{margin:0 0 1rem;color:#444}
.scroll{overflow-x:auto;max-width:100%;margin:0 0 1.5rem;-webkit-overflow-scrolling:touch}
.scroll:focus{outline:2px solid #58a}
table{border-collapse:collapse;font-variant-numeric:tabular-nums}
caption{text-align:left;font-weight:bold;font-size:1.15rem;padding:0 0 .4rem;white-space:nowrap}
th,td{border:1px solid #b8b8b8;padding:.2rem .45rem;white-space:nowrap}
thead th{background:#e4e8ec;font-weight:bold;text-align:center;vertical-align:bottom}
tbody tr{background:#fff}
tbody tr:nth-child(even){background:#f1f4f7}
td{text-align:right}
th[scope=row]{text-align:left;font-weight:normal;background:inherit;position:sticky;left:0;z-index:1;box-shadow:1px 0 0 #b8b8b8}
table.cross td{text-align:center;min-width:2.4em}
td.own{background:#2b2b2b}
@media (max-width:40em){body{margin:.5rem}h1{font-size:1.25rem}th,td{padding:.15rem .3rem}
.points{position:sticky;right:0;z-index:1;background:inherit;font-weight:bold;box-shadow:-1px 0 0 #b8b8b8}
thead th.points{background:#e4e8ec;z-index:2}}
@page{size:A4;margin:12mm}
@page wide{size:A4 landscape}
@media print{
body{margin:0;font-size:9pt}
.scroll+.scroll{break-before:page}
.scroll.cross{page:wide}
table.cross{font-size:7pt}
.scroll{overflow:visible}
thead{display:table-header-group}
tr{break-inside:avoid}
th[scope=row]{position:static;box-shadow:none}
thead th,tbody tr:nth-child(even),td.own{-webkit-print-color-adjust:exact;print-color-adjust:exact}
}
)css";

// Added only to pages that carry a reason column, so that every other page keeps its bytes:
// a reason is a phrase, read from the left, and may wrap on a narrow screen.
const char kReasonStyle[] = "td.reason{text-align:left;white-space:normal;min-width:12em}\n";

// Added only to pages that carry the chart of places: it scrolls sideways like a wide table
// and is printed on a landscape page of its own.
const char kChartStyle[] =
    "figure.chart{overflow-x:auto;max-width:100%;margin:0 0 1.5rem}\n"
    "figcaption{font-weight:bold;text-align:left;padding:.3rem 0}\n"
    "@media print{figure.chart{break-before:page;page:wide;overflow:visible}}\n";

bool allowedInMarkup(char32_t ch) {
    if (ch < 0x20)
        return ch == '\t' || ch == '\n' || ch == '\r';
    if (ch >= 0x7F && ch <= 0x9F)
        return false;
    if (ch >= 0xFDD0 && ch <= 0xFDEF)
        return false;
    return (ch & 0xFFFE) != 0xFFFE;
}

void appendEscaped(QString &out, const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        switch (ch.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            continue;
        case '<':
            out += QLatin1String("&lt;");
            continue;
        case '>':
            out += QLatin1String("&gt;");
            continue;
        case '"':
            out += QLatin1String("&quot;");
            continue;
        case '\'':
            out += QLatin1String("&#39;");
            continue;
        default:
            break;
        }
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(ch, text[i + 1]);
            if (allowedInMarkup(code)) {
                out += ch;
                out += text[i + 1];
            } else {
                out += QChar::ReplacementCharacter;
            }
            ++i;
        } else if (ch.isSurrogate() || !allowedInMarkup(ch.unicode())) {
            out += QChar::ReplacementCharacter;
        } else {
            out += ch;
        }
    }
}

QString pageTitle(const Publication &publication) {
    QStringList parts;
    if (!publication.title.isEmpty())
        parts.append(publication.title);
    if (publication.tables.size() == 1 || parts.isEmpty()) {
        for (const PublishedTable &table : publication.tables)
            parts.append(table.caption);
    }
    return parts.join(QStringLiteral(" — "));
}

bool isCrossTable(const PublishedTable &table) {
    return table.kind == PublishedTableKind::FirstHalf ||
           table.kind == PublishedTableKind::SecondHalf;
}

bool hasReasons(const Publication &publication) {
    for (const PublishedTable &table : publication.tables) {
        for (const PublishedColumn &column : table.columns) {
            if (column.role == ColumnRole::Reason)
                return true;
        }
    }
    return false;
}

QLatin1String cellStart(const PublishedColumn &column, const PublishedCell &cell) {
    const ColumnRole role = column.role;
    if (role == ColumnRole::TeamName)
        return QLatin1String("<th scope=\"row\">");
    if (column.points)
        return QLatin1String("<td class=\"points\">");
    if (cell.ownMatch)
        return QLatin1String("<td class=\"own\">");
    if (role == ColumnRole::Reason)
        return QLatin1String("<td class=\"reason\">");
    return QLatin1String("<td>");
}

class PageWriter {
  public:
    explicit PageWriter(const Publication &publication) : publication_(publication) {}

    QString page() {
        out_.reserve(estimatedSize());
        out_ += QLatin1String("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
                              "lang=\"ru\" xml:lang=\"ru\">\n<head>\n<meta charset=\"UTF-8\"/>\n"
                              "<meta name=\"viewport\" content=\"width=device-width, "
                              "initial-scale=1\"/>\n<title>");
        appendEscaped(out_, pageTitle(publication_));
        out_ += QLatin1String("</title>\n<style>");
        out_ += QLatin1String(kStyle);
        if (hasReasons(publication_))
            out_ += QLatin1String(kReasonStyle);
        if (publication_.chart)
            out_ += QLatin1String(kChartStyle);
        out_ += QLatin1String("</style>\n</head>\n<body>\n<header>\n");
        writeHeading();
        out_ += QLatin1String("</header>\n<main>\n");
        for (const PublishedTable &table : publication_.tables)
            writeTable(table);
        if (publication_.chart)
            writeChart(*publication_.chart);
        out_ += QLatin1String("</main>\n</body>\n</html>\n");
        return out_;
    }

  private:
    qsizetype estimatedSize() const {
        qsizetype cells = 0;
        for (const PublishedTable &table : publication_.tables)
            cells += qsizetype(table.rows.size() + 1) * qsizetype(table.columns.size());
        return 4096 + cells * 24;
    }

    void writeHeading() {
        if (!publication_.title.isEmpty()) {
            out_ += QLatin1String("<h1>");
            appendEscaped(out_, publication_.title);
            out_ += QLatin1String("</h1>\n");
        }
        if (publication_.date.isValid()) {
            out_ += QLatin1String("<p class=\"published\">");
            out_ += QStringLiteral("Дата публикации: ");
            out_ += QLatin1String("<time datetime=\"");
            out_ += publication_.date.toString(Qt::ISODate);
            out_ += QLatin1String("\">");
            out_ += publication_.date.toString(QStringLiteral("dd.MM.yyyy"));
            out_ += QLatin1String("</time></p>\n");
        }
    }

    void writeTable(const PublishedTable &table) {
        const QLatin1String kind(isCrossTable(table) ? "cross" : "results");
        // The frame scrolls; a keyboard user reaches it with Tab and a screen reader names it.
        out_ += QLatin1String("<div class=\"scroll ") + kind;
        out_ += QLatin1String("\" role=\"region\" tabindex=\"0\" aria-label=\"");
        appendEscaped(out_, table.caption);
        out_ += QLatin1String("\">\n<table class=\"") + kind + QLatin1String("\">\n<caption>");
        appendEscaped(out_, table.caption);
        out_ += QLatin1String("</caption>\n");
        writeHeaderRow(table);
        out_ += QLatin1String("<tbody>\n");
        for (const std::vector<PublishedCell> &row : table.rows)
            writeRow(table, row);
        out_ += QLatin1String("</tbody>\n</table>\n");
        for (const QString &note : table.notes) {
            out_ += QLatin1String("<p class=\"note\">");
            appendEscaped(out_, note);
            out_ += QLatin1String("</p>\n");
        }
        out_ += QLatin1String("</div>\n");
    }

    // The picture inline, so that the page stays one file; it carries no XML declaration.
    void writeChart(const PublishedChart &chart) {
        out_ += QLatin1String("<figure class=\"chart\">\n<figcaption>");
        out_ += QStringLiteral("График мест");
        out_ += QLatin1String("</figcaption>\n");
        out_ += placesChartSvg(chart.teamNames, chart.history);
        out_ += QLatin1String("</figure>\n");
    }

    void writeHeaderRow(const PublishedTable &table) {
        out_ += QLatin1String("<thead>\n<tr>");
        for (const PublishedColumn &column : table.columns) {
            out_ += QLatin1String("<th scope=\"col\"");
            if (column.points)
                out_ += QLatin1String(" class=\"points\"");
            if (!column.description.isEmpty()) {
                out_ += QLatin1String(" title=\"");
                appendEscaped(out_, column.description);
                out_ += QLatin1Char('"');
            }
            out_ += QLatin1Char('>');
            appendEscaped(out_, column.header);
            out_ += QLatin1String("</th>");
        }
        out_ += QLatin1String("</tr>\n</thead>\n");
    }

    void writeRow(const PublishedTable &table, const std::vector<PublishedCell> &row) {
        out_ += QLatin1String("<tr>");
        for (std::size_t i = 0; i < row.size() && i < table.columns.size(); ++i) {
            const ColumnRole role = table.columns[i].role;
            const bool rowHeader = role == ColumnRole::TeamName;
            const PublishedCell &cell = row[i];
            out_ += cellStart(table.columns[i], cell);
            appendEscaped(out_, cell.text);
            out_ += rowHeader ? QLatin1String("</th>") : QLatin1String("</td>");
        }
        out_ += QLatin1String("</tr>\n");
    }

    const Publication &publication_;
    QString out_;
};

} // namespace

QString htmlEscaped(const QString &text) {
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

QByteArray htmlPage(const Publication &publication) {
    return PageWriter(publication).page().toUtf8();
}

} // namespace soccer
