#pragma once

#include "core/competition/pointsscheme.h"

#include <QList>
#include <QString>
#include <atomic>
#include <utility>

namespace soccer {

// The standing of a season that is not over, as far as the question "where can each team still
// finish" needs it: nothing of how the table keeps its matches.
struct PlacesInput {
    // Points of teams 1..N (index 0 is team 1), points docked already taken off.
    QList<int> points;
    // The matches still without a result as (home, away) team numbers 1..N; a pair appears once
    // for each match it still has to play.
    QList<std::pair<int, int>> remaining;
    PointsScheme scheme;
};

struct PlacesOptions {
    // The time each team's two questions (its best and its worst place) may take together.
    int teamBudgetMs = 2000;
    // Set by another thread to stop: checked between teams and inside the solver.
    const std::atomic_bool *cancel = nullptr;
};

// The places one team can still finish in. Ties on points count in the team's favour for the
// best place and against it for the worst. A bound that is not final is still proven: the true
// best place is never better than `best`, the true worst never worse than `worst`; only the
// search for the exact figure ran out of time.
struct TeamPlaces {
    int best = 1;
    int worst = 1;
    bool bestFinal = true;
    bool worstFinal = true;

    bool isFinal() const { return bestFinal && worstFinal; }
    bool operator==(const TeamPlaces &) const = default;
};

struct PlacesResult {
    QList<TeamPlaces> teams; // index 0 is team 1
    bool cancelled = false;
};

PlacesResult reachablePlaces(const PlacesInput &input, const PlacesOptions &options = {});

// "1" for a settled place, "1–4" (with an en dash) for a range.
QString placesText(const TeamPlaces &places);

// "Чемпион" when the team can finish no lower than first, "Вылет" when it cannot climb out of the
// last `relegationPlaces` places of `teamCount`, empty otherwise (and always without relegation).
QString placesMark(const TeamPlaces &places, int teamCount, int relegationPlaces = 0);

} // namespace soccer
