#include "core/publish/terminaltable.h"

#include "core/publish/displaywidth.h"

#include <algorithm>

namespace soccer {

namespace {

constexpr int kGap = 2;

bool alignsLeft(ColumnRole role) {
    return role == ColumnRole::TeamName || role == ColumnRole::Text || role == ColumnRole::Reason;
}

// The texts of one line, header or row, already made safe for a terminal.
using Line = std::vector<QString>;

void appendPadded(QString &out, const QString &text, int width, bool left, bool last) {
    const int fill = std::max(0, width - displayWidth(text));
    if (!left)
        out += QString(fill, u' ');
    out += text;
    if (left && !last)
        out += QString(fill, u' ');
}

void appendLine(QString &out, const Line &line, const std::vector<int> &widths,
                const std::vector<bool> &left) {
    const qsizetype start = out.size();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i > 0)
            out += QString(kGap, u' ');
        appendPadded(out, line[i], widths[i], left[i], i + 1 == line.size());
    }
    // An empty text in a last column aligned left (a reason where none is needed) would leave
    // the line ending in the blanks before it.
    if (!line.empty() && left.back() && line.back().isEmpty()) {
        while (out.size() > start && out.back() == u' ')
            out.chop(1);
    }
    out += u'\n';
}

} // namespace

QString terminalTable(const PublishedTable &table) {
    std::vector<Line> lines;
    Line header;
    for (const PublishedColumn &column : table.columns)
        header.push_back(withoutControls(column.header));
    lines.push_back(header);
    for (const std::vector<PublishedCell> &row : table.rows) {
        Line line;
        for (std::size_t i = 0; i < table.columns.size(); ++i)
            line.push_back(i < row.size() ? withoutControls(row[i].text) : QString());
        lines.push_back(std::move(line));
    }

    std::vector<int> widths(table.columns.size(), 0);
    std::vector<bool> left(table.columns.size(), false);
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        left[i] = alignsLeft(table.columns[i].role);
        for (const Line &line : lines)
            widths[i] = std::max(widths[i], displayWidth(line[i]));
    }

    QString out;
    appendLine(out, lines.front(), widths, left);
    int ruleWidth = 0;
    for (int width : widths)
        ruleWidth += width;
    ruleWidth += kGap * std::max(0, int(widths.size()) - 1);
    out += QString(ruleWidth, u'-') + u'\n';
    for (std::size_t i = 1; i < lines.size(); ++i)
        appendLine(out, lines[i], widths, left);
    if (!table.notes.isEmpty())
        out += u'\n';
    for (const QString &note : table.notes)
        out += withoutControls(note) + u'\n';
    return out;
}

QString terminalText(const Publication &publication) {
    QString out;
    if (!publication.title.isEmpty())
        out += withoutControls(publication.title) + u'\n';
    if (publication.date.isValid())
        out += QStringLiteral("Дата публикации: ") +
               publication.date.toString(QStringLiteral("dd.MM.yyyy")) + u'\n';
    for (const PublishedTable &table : publication.tables) {
        out += u'\n' + table.caption + u'\n';
        out += terminalTable(table);
    }
    return out;
}

} // namespace soccer
