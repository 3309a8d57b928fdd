#include "core/competition/competitionrules.h"

#include <algorithm>

namespace soccer {

bool CompetitionRules::isAnnulled(int team) const {
    return std::ranges::any_of(withdrawals, [&](const Withdrawal &withdrawal) {
        return withdrawal.team == team && withdrawal.kind == WithdrawalKind::Annulled;
    });
}

bool CompetitionRules::hasWithdrawn(int team) const {
    return std::ranges::any_of(
        withdrawals, [&](const Withdrawal &withdrawal) { return withdrawal.team == team; });
}

int CompetitionRules::adjustmentOf(int team) const {
    int sum = 0;
    for (const PointsAdjustment &adjustment : adjustments)
        sum += adjustment.team == team ? adjustment.points : 0;
    return sum;
}

} // namespace soccer
