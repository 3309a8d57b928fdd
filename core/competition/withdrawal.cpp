#include "core/competition/withdrawal.h"

#include "core/competition/matchcount.h"
#include "core/league/matchresult.h"
#include "core/league/score.h"

#include <algorithm>

namespace soccer {

namespace {

const QString kTechnicalDefeat = QStringLiteral("- +");
const QString kDefeatText = technicalResultText(false, true);

bool isTeam(const League &league, int team) {
    return team >= 1 && team <= std::min(league.teamCount, kMaxTeams);
}

// The answer at the score prompt is the one routine that writes a pair of cells and counts
// it, so the defeats go in exactly as the user would type them.
std::vector<Withdrawal::Cell> fillDefeats(League &league, int team) {
    std::vector<Withdrawal::Cell> filled;
    for (int half = 1; half <= 2; ++half) {
        for (int other = 1; other <= league.teamCount; ++other) {
            if (other == team || !league.crossTables[half].cells[team][other].isEmpty())
                continue;
            enterScore(league, half, team, other, kTechnicalDefeat);
            filled.push_back({half, team, other});
        }
    }
    return filled;
}

} // namespace

int playedMatches(const League &league, int team) {
    int played = 0;
    for (int half = 1; half <= 2; ++half) {
        for (int other = 1; other <= league.teamCount; ++other) {
            const QString &cell = league.crossTables[half].cells[team][other];
            played += other != team && readMatchResult(cell).kind != MatchResult::Kind::None;
        }
    }
    return played;
}

WithdrawalKind kindByRegulations(const League &league, int team) {
    const int matches = 2 * (league.teamCount - 1);
    return 2 * playedMatches(league, team) < matches ? WithdrawalKind::Annulled
                                                     : WithdrawalKind::TechnicalDefeats;
}

std::optional<WithdrawalKind> withdrawTeam(League &league, int team, WithdrawalChoice choice) {
    if (!isTeam(league, team) || league.competition.hasWithdrawn(team))
        return std::nullopt;
    Withdrawal withdrawal{team, WithdrawalKind::Annulled, {}};
    if (choice == WithdrawalChoice::TechnicalDefeats)
        withdrawal.kind = WithdrawalKind::TechnicalDefeats;
    else if (choice == WithdrawalChoice::ByRegulations)
        withdrawal.kind = kindByRegulations(league, team);
    if (withdrawal.kind == WithdrawalKind::TechnicalDefeats)
        withdrawal.filled = fillDefeats(league, team);
    league.competition.withdrawals.push_back(std::move(withdrawal));
    if (league.competition.withdrawals.back().kind == WithdrawalKind::Annulled)
        recountStatistics(league);
    return league.competition.withdrawals.back().kind;
}

bool takeBackWithdrawal(League &league, int team) {
    auto &withdrawals = league.competition.withdrawals;
    const auto found = std::ranges::find(withdrawals, team, &Withdrawal::team);
    if (found == withdrawals.end())
        return false;
    const Withdrawal withdrawal = *found;
    withdrawals.erase(found);
    // A filled cell the user has since given a score keeps it.
    for (const Withdrawal::Cell &cell : withdrawal.filled) {
        if (league.crossTables[cell.half].cells[cell.row][cell.column] == kDefeatText)
            enterScore(league, cell.half, cell.row, cell.column, QString());
    }
    if (withdrawal.kind == WithdrawalKind::Annulled)
        recountStatistics(league);
    return true;
}

} // namespace soccer
