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

// The statistics texts of one team's row in a cross-table grid, in column order.
inline QStringList statisticsRow(TableGrid *grid, int team) {
    const int first = grid->rowCount() + 1; // after the number, name and N score columns
    QStringList texts;
    for (int i = 0; i < soccer::kStatisticColumnCount; ++i)
        texts << grid->text(team, first + i);
    return texts;
}

inline QString oknoText(QObject *window) {
    return control<QLabel>(window, "okno")->text();
}

} // namespace testkit
