#pragma once

// The main window's grids as the tests read them: a grid by name, a column's texts, a team's
// statistics, the hover caption.
#include "core/league/columns.h"
#include "core/league/score.h"
#include "tst_kit_windows.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/look.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace testkit {

inline TableGrid *grid(QObject *window, const char *name) {
    return control<TableGrid>(window, name);
}

// The texts of one grid column, rows 1..last.
inline QStringList column(TableGrid *grid, int column) {
    QStringList texts;
    for (int row = 1; row < grid->rowCount(); ++row)
        texts << grid->text(row, column);
    return texts;
}

// The grid column headed `header` in row 0, or -1: tests find a column by what it is, so a
// column added or moved does not make them read or click another one.
inline int columnHeaded(TableGrid *grid, const QString &header) {
    for (int column = 0; column < grid->columnCount(); ++column) {
        if (grid->text(0, column) == header)
            return column;
    }
    return -1;
}

// The grid column that shows a counter, found by the header the column list gives it.
inline int statisticColumn(TableGrid *grid, soccer::Counter counter) {
    return columnHeaded(grid, soccer::columnOf(counter).header.toString());
}

// The texts of row `row` under the given headers, in their order.
inline QStringList textsUnder(TableGrid *grid, int row, const QStringList &headers) {
    QStringList texts;
    for (const QString &header : headers)
        texts << grid->text(row, columnHeaded(grid, header));
    return texts;
}

// The statistics texts of one team's row in a cross-table grid, in the order the cross-tables
// show them.
inline QStringList statisticsRow(TableGrid *grid, int team) {
    QStringList texts;
    for (const soccer::StatisticColumn &statistic : soccer::kCrossTableColumns)
        texts << grid->text(team, statisticColumn(grid, statistic.counter));
    return texts;
}

inline QString oknoText(QObject *window) {
    return control<QLabel>(window, "okno")->text();
}

} // namespace testkit
