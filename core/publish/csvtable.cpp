#include "core/publish/csvtable.h"

#include "core/publish/formulaguard.h"

namespace soccer {

namespace {

constexpr QChar kSeparator = u';';

bool holdsNumbers(ColumnRole role) {
    return role == ColumnRole::Place || role == ColumnRole::TeamNumber ||
           role == ColumnRole::Statistic;
}

bool needsQuotes(const QString &text) {
    if (text.isEmpty())
        return false;
    if (text.front().isSpace() || text.back().isSpace())
        return true;
    for (QChar ch : text) {
        if (ch == kSeparator || ch == u'"' || ch == u'\r' || ch == u'\n')
            return true;
    }
    return false;
}

void appendField(QString &out, const QString &text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += u'"';
    for (QChar ch : text) {
        if (ch == u'"')
            out += u'"';
        out += ch;
    }
    out += u'"';
}

template <typename Items, typename TextOf>
void appendLine(QString &out, const Items &items, TextOf textOf) {
    bool first = true;
    for (const auto &item : items) {
        if (!first)
            out += kSeparator;
        appendField(out, textOf(item));
        first = false;
    }
    out += QLatin1String("\r\n");
}

} // namespace

QString csvCellText(const QString &text, ColumnRole role) {
    return holdsNumbers(role) ? text : formulaGuarded(text);
}

QString csvField(const QString &text) {
    QString out;
    appendField(out, text);
    return out;
}

QByteArray csvTable(const PublishedTable &table) {
    QString text;
    text.reserve(qsizetype(table.rows.size() + 1) * qsizetype(table.columns.size()) * 6 + 64);
    appendLine(text, table.columns,
               [](const PublishedColumn &column) { return formulaGuarded(column.header); });
    for (const std::vector<PublishedCell> &row : table.rows) {
        std::size_t column = 0;
        appendLine(text, row, [&](const PublishedCell &cell) {
            return csvCellText(cell.text, table.columns[column++].role);
        });
    }
    // The notes below the rows, after an empty line, one a row in the first column.
    if (!table.notes.isEmpty())
        text += QLatin1String("\r\n");
    for (const QString &note : table.notes)
        appendLine(text, QStringList{note}, formulaGuarded);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace soccer
