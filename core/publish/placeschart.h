#pragma once

#include "core/league/league.h"
#include "core/season/placeshistory.h"

#include <QString>
#include <array>
#include <optional>

namespace soccer {

// The teams' names by number, as a league holds them (index 0 unused).
using TeamNames = std::array<QString, kArraySize>;

// What a publication needs to draw the chart: the places counted once, and whose they are.
struct PublishedChart {
    TeamNames teamNames;
    PlacesHistory history;
};

// The chart of the league's places, or none for a table without a calendar or without a round
// played.
std::optional<PublishedChart> publishedChart(const League &league);

// The chart of places drawn the same way on every surface: in the window, on a page of the
// PDF and as an SVG picture of the web page.
namespace placeschart {

// The sizes of the chart in its own units (points on paper, pixels on screen).
constexpr double kRoundWidth = 20;
constexpr double kPlaceHeight = 14;
constexpr double kLeftMargin = 28; // the places' numbers
constexpr double kTopMargin = 24;  // the rounds' numbers
constexpr double kNameWidth = 170; // the teams' names after the last round
constexpr double kBottomMargin = 8;

// A colour of its own for each team, "#rrggbb", evenly round the colour wheel, dark enough for
// white paper; neighbours in the table differ in lightness too.
QString teamColor(int team, int teamCount);

// The whole chart's width and height for a history.
double chartWidth(const PlacesHistory &history);
double chartHeight(const PlacesHistory &history);

// Where the point of the i-th charted round and a place lies.
double roundX(std::size_t i);
double placeY(int place);

} // namespace placeschart

// The chart as an SVG picture: a line a team over the rounds charted, the names at the end of
// the lines, the rounds on top and the places on the left. Empty without rounds.
QString placesChartSvg(const TeamNames &names, const PlacesHistory &history);

} // namespace soccer
