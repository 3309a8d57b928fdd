#pragma once

#include "core/league/columns.h"

#include <QString>

// The measures of the main window, in twips, and its title.
namespace mainlayout {

inline const QString kTitle = QStringLiteral("Тарвел");

constexpr int kClientWidth = 15240;
constexpr int kClientHeight = 9840;
constexpr int kButtonSize = 600;
constexpr int kCaptionTop = 600;
constexpr int kCaptionHeight = 480;
constexpr int kGridTop = 1080;
constexpr int kGridHeight = 4860;
constexpr int kCrossTableWidth = 13455;
constexpr int kResultsLeft = 4680;
// What the window keeps above and below the grids when they follow its height.
constexpr int kSpaceBesideGrids = 1800;

// The grid cells. The hover caption relies on these rather than on what the grid really
// draws, so that it names the same match wherever the grid is scrolled.
constexpr int kNumberColumnWidth = 350;
constexpr int kNameColumnWidth = 1650;
constexpr int kScoreColumnWidth = 600;
constexpr int kStatisticColumnWidth = 350;
constexpr int kRowHeight = 240;
constexpr int kScoreCellsLeft = kNumberColumnWidth + kNameColumnWidth;

// The results grid is as wide as its columns and the frame and scroll bar around them.
constexpr int kResultsFrameWidth = 215;
constexpr int kResultsWidth = kScoreCellsLeft +
                              int(soccer::kResultsGridColumns.size()) * kStatisticColumnWidth +
                              kResultsFrameWidth;
static_assert(soccer::kResultsGridColumns.size() != 7 || kResultsWidth == 4665,
              "the results grid keeps the width it always had");

} // namespace mainlayout
