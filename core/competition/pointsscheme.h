#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace soccer {

// What a win, a draw and a loss are worth: whole numbers, a win worth at least a draw and a
// draw at least a loss. Three for a win is today's football; two for a win is older seasons'
// and some youth leagues'.
struct PointsScheme {
    int win = 3;
    int draw = 1;
    int loss = 0;

    bool operator==(const PointsScheme &) const = default;
};

inline constexpr std::array<PointsScheme, 2> kPointsPresets = {{{3, 1, 0}, {2, 1, 0}}};

// Why the scheme cannot be a competition's, as the user reads it; empty when it can.
QString pointsSchemeProblem(const PointsScheme &points);

// "3-1-0": the form the table file and the command line use.
QString pointsSchemeKey(const PointsScheme &points);
// "3–1–0" with en dashes, as the window names a preset.
QString pointsSchemeName(const PointsScheme &points);
// The scheme of "W-D-L" (an en dash serves as well); nothing for a text that is not three
// whole numbers. The scheme read may still have a problem.
std::optional<PointsScheme> pointsSchemeFromKey(QStringView key);

} // namespace soccer
