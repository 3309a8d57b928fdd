#include "core/ranking/headtohead.h"

#include "core/league/score.h"

#include <cstdint>

namespace soccer {

namespace {

// What countOutcome needs to tell the points of one match.
struct Outcome {
    double played = 0;
    double wins = 0;
    double losses = 0;
    double draws = 0;
    double points = 0;
};

double pointsOf(double x, double y, const PointsScheme &points) {
    Outcome mine;
    Outcome theirs;
    countOutcome(mine, theirs, x, y, +1, points);
    return mine.points;
}

} // namespace

double HeadToHeadFigures::value(Criterion criterion) const {
    switch (criterion) {
    case Criterion::HeadToHeadPoints:
        return points;
    case Criterion::HeadToHeadDifference:
        return difference();
    case Criterion::HeadToHeadGoalsFor:
        return goalsFor;
    case Criterion::Wins:
    case Criterion::GoalDifference:
    case Criterion::GoalsFor:
        break;
    }
    return 0;
}

HeadToHeadFigures HeadToHead::figures(int team, std::span<const int> group) {
    HeadToHeadFigures figures;
    for (int k = 1; k <= 2; ++k) {
        const auto &row = league_.crossTables[k].cells[team];
        for (int other : group) {
            if (other == team)
                continue;
            const CellScore &match = score(row[other]);
            if (!match.isScore)
                continue;
            figures.points += pointsOf(match.x, match.y, league_.competition.points);
            figures.goalsFor += match.x;
            figures.goalsAgainst += match.y;
        }
    }
    return figures;
}

const HeadToHead::CellScore &HeadToHead::score(const QString &cell) {
    const QChar *data = cell.constData();
    const auto address = quint64(reinterpret_cast<std::uintptr_t>(data)) ^ quint64(cell.size());
    CellScore &slot = recent_[std::size_t((address * 0x9E3779B97F4A7C15ULL) >> 32) % kRecentTexts];
    if (slot.data == data && slot.size == cell.size())
        return slot;
    slot.data = data;
    slot.size = cell.size();
    slot.isScore = !cell.isEmpty() && splitScoreText(cell, slot.x, slot.y);
    return slot;
}

} // namespace soccer
