#pragma once

#include "core/competition/competitionrules.h"
#include "core/league/league.h"

#include <optional>

namespace soccer {

// What the organiser decides when a team leaves: one of the two regulations' answers, or
// "по регламенту", which picks one by how much of its season the team has played.
enum class WithdrawalChoice { Annul, TechnicalDefeats, ByRegulations };

// The matches of both halves the team has a result in, technical ones included.
int playedMatches(const League &league, int team);

// The regulations' answer: annulled while the team has played fewer than half of its matches
// (both halves against every other team), otherwise its remaining matches lost technically.
WithdrawalKind kindByRegulations(const League &league, int team);

// Withdraws a team that has not withdrawn yet; returns the kind it became, nothing when the
// team is not in the table or has withdrawn already. Technical defeats fill each empty cell of
// its rows with "-:+" (its opponent's "+:-") and record them, so that taking it back empties
// exactly those; an annulment strikes its results from both halves' counts.
std::optional<WithdrawalKind> withdrawTeam(League &league, int team, WithdrawalChoice choice);

// Takes a withdrawal back: the cells it filled emptied, the team's results counted again.
// False when the team has not withdrawn.
bool takeBackWithdrawal(League &league, int team);

} // namespace soccer
