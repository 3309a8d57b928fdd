#pragma once

#include "core/ranking/rankingrule.h"

#include <QString>

namespace soccer {

// What put a team above the next team of a ranking, with the two figures compared.
struct Separation {
    enum class By {
        Nothing,    // the last team, or a team that shares its place with the next
        Points,     // total points
        Criterion,  // `criterion`
        TeamNumber, // the program's rule: equal on all it compares, the lower number first
        Withdrawal, // the next team's results are annulled: it stands below every other
    };
    By by = By::Nothing;
    Criterion criterion = Criterion::Wins;
    double above = 0; // the figure of the team above (its number for TeamNumber)
    double below = 0; // the same figure of the next team

    bool operator==(const Separation &) const = default;
};

// The reason as a reader of the table sees it, in Russian:
//   "по победам: 10 – 9", "по разнице мячей: +4 – 0", "по забитым мячам: 50 – 38",
//   "по личным встречам: очки 4 – 1", "по личным встречам: разница +2 – -1",
//   "по личным встречам: забитые 3 – 2", "по номеру команды: 3 – 7",
//   "следующая команда снялась".
// Differences carry a sign ('+' above zero); numbers are written as the results table shows
// them. Empty for Nothing and Points: a place decided by points needs no explanation.
QString reasonText(const Separation &separation);

} // namespace soccer
