#pragma once

#include "core/publish/placeschart.h"

#include <set>

class QPainter;

namespace publish {

// Paints the chart of places as placesChartSvg draws it, in its units from the painter's
// origin and in the painter's font: the lines of the teams in `highlighted` stand out and,
// while any is picked, the others fade. The window, the PDF page and the printer all paint it
// here.
void paintPlacesChart(QPainter &painter, const soccer::TeamNames &names,
                      const soccer::PlacesHistory &history, const std::set<int> &highlighted = {});

} // namespace publish
