#pragma once

// The places every team can reach, counted from their definition over every outcome (win, draw
// or loss: 3^m for m matches left), for checking the program's count on small leagues.
#include "core/season/reachableplaces.h"

#include <QRandomGenerator>

namespace placeskit {

inline QList<soccer::TeamPlaces> exhaustivePlaces(const soccer::PlacesInput &input) {
    const int teams = int(input.points.size());
    QList<soccer::TeamPlaces> places(teams, soccer::TeamPlaces{teams, 1, true, true});
    long long outcomes = 1;
    for (qsizetype m = 0; m < input.remaining.size(); ++m)
        outcomes *= 3;
    const soccer::PointsScheme &s = input.scheme;
    for (long long code = 0; code < outcomes; ++code) {
        QList<int> points = input.points;
        long long rest = code;
        for (const auto &[home, away] : input.remaining) {
            const int result = int(rest % 3); // 0 home wins, 1 draw, 2 away wins
            rest /= 3;
            points[home - 1] += result == 0 ? s.win : result == 1 ? s.draw : s.loss;
            points[away - 1] += result == 2 ? s.win : result == 1 ? s.draw : s.loss;
        }
        for (int i = 0; i < teams; ++i) {
            int above = 0, levelOrAbove = -1; // the team itself is level with itself
            for (int p : points)
                above += p > points[i], levelOrAbove += p >= points[i];
            places[i].best = std::min(places[i].best, 1 + above);
            places[i].worst = std::max(places[i].worst, 1 + levelOrAbove);
        }
    }
    return places;
}

// A small league with `matches` left between random pairs, points up to `spread`.
inline soccer::PlacesInput randomLeague(QRandomGenerator &random, int teams, int matches,
                                        int spread, soccer::PointsScheme scheme) {
    soccer::PlacesInput input{{}, {}, scheme};
    for (int t = 0; t < teams; ++t)
        input.points.append(random.bounded(spread + 1));
    while (input.remaining.size() < matches) {
        const int home = 1 + random.bounded(teams), away = 1 + random.bounded(teams);
        if (home != away)
            input.remaining.append({home, away});
    }
    return input;
}

} // namespace placeskit
