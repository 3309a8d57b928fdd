#pragma once

#include "core/publish/publishedtables.h"

#include <QByteArray>
#include <QString>

namespace soccer {

// One table as a CSV file that a double click opens correctly in the spreadsheets of a
// Russian desktop: UTF-8 with a byte-order mark, ';' between fields, CR LF line ends, the
// headers in the first row, fields quoted as RFC 4180 says. Numbers keep their full stop; a
// text that a spreadsheet would run as a formula gets an apostrophe before it (csvCellText).
QByteArray csvTable(const PublishedTable &table);

// What a cell of a column of this role holds in the file: the text guarded against formulas
// (formulaGuarded), except in the columns of numbers (place, team number, statistics).
QString csvCellText(const QString &text, ColumnRole role);

// One field: unchanged unless it holds the separator, a double quote, a line break or
// blanks at either end; then in double quotes, with every double quote doubled.
QString csvField(const QString &text);

} // namespace soccer
