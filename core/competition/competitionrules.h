#pragma once

#include "core/competition/pointsscheme.h"

#include <QString>
#include <vector>

namespace soccer {

// How a technical result ("+:-", "-:+", "-:-") counts: as a 3:0 win with its goals, as the
// regulations of most leagues have it, or for the points and the match only.
enum class TechnicalCounting { WithGoals, PointsOnly };

// The goals a technical win counts for when its goals count.
constexpr double kTechnicalGoals = 3;

// Points taken from a team (negative) or given to it (positive) by the organiser, outside
// any match: counted in the results table's points, not in either half's.
struct PointsAdjustment {
    int team = 0;
    int points = 0;
    QString reason;
    QString when; // the round or the date it was decided, as the organiser wrote it; may be empty

    bool operator==(const PointsAdjustment &) const = default;
};

// Why the adjustment cannot be kept in a table of `teamCount` teams, as the user reads it;
// empty when it can. The reason and the round go into a line of the table file.
QString adjustmentProblem(const PointsAdjustment &adjustment, int teamCount);

// A team that left the competition: its results struck from every count (the cells kept for
// the record), or its remaining matches given to its opponents as technical defeats.
enum class WithdrawalKind { Annulled, TechnicalDefeats };

struct Withdrawal {
    int team = 0;
    WithdrawalKind kind = WithdrawalKind::Annulled;
    // The cells the technical defeats filled, so that taking the withdrawal back empties
    // them again: half, row, column of each row cell.
    struct Cell {
        int half;
        int row;
        int column;
        bool operator==(const Cell &) const = default;
    };
    std::vector<Cell> filled;

    bool operator==(const Withdrawal &) const = default;
};

// The rules of the competition that a table keeps besides its ranking rule. The default is
// what the program always counted: three points a win, nobody docked, nobody withdrawn.
struct CompetitionRules {
    PointsScheme points;
    TechnicalCounting technical = TechnicalCounting::WithGoals;
    std::vector<PointsAdjustment> adjustments;
    std::vector<Withdrawal> withdrawals;
    // How many last places go down, for the mark "Вылет" beside the places; 0: none.
    int relegationPlaces = 0;

    // True when the team's results are struck from the counts.
    bool isAnnulled(int team) const;
    // True when the team has withdrawn either way.
    bool hasWithdrawn(int team) const;
    // The sum of the team's adjustments.
    int adjustmentOf(int team) const;
    bool operator==(const CompetitionRules &) const = default;
};

} // namespace soccer
