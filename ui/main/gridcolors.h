#pragma once

#include "core/league/league.h"

#include <QBrush>

// The brushes the results and cross-table grids paint their cells with, from the user's colour
// scheme, so that every grid of the window follows the same scheme: header cells in the main
// colour, the other rows striped, and the cells in which a team meets itself near-black.
struct GridColors {
    QBrush main;
    QBrush second;
    QBrush diagonal;

    static GridColors of(const soccer::ColorScheme &scheme);
    // The stripe of a row counted as the grids count them, the header row being row 0: even
    // rows in the main colour, odd rows in the second.
    const QBrush &stripe(int row) const { return row % 2 == 0 ? main : second; }
};
