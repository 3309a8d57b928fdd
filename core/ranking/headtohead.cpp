#include "core/ranking/headtohead.h"

#include "core/league/matchresult.h"
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
    const CompetitionRules &rules = league_.competition;
    if (rules.isAnnulled(team))
        return figures;
    for (int k = 1; k <= 2; ++k) {
        const auto &row = league_.crossTables[k].cells[team];
        for (int other : group) {
            if (other == team || rules.isAnnulled(other))
                continue;
            const CellScore &match = score(row[other]);
            if (!match.counts)
                continue;
            figures.points += match.points;
            figures.goalsFor += match.goalsFor;
            figures.goalsAgainst += match.goalsAgainst;
        }
    }
    return figures;
}

// A technical result is the awarded side's win, "-:-" a loss for both; its goals are the
// 3:0 of the regulations when the competition counts them.
const HeadToHead::CellScore &HeadToHead::score(const QString &cell) {
    const QChar *data = cell.constData();
    const auto address = quint64(reinterpret_cast<std::uintptr_t>(data)) ^ quint64(cell.size());
    CellScore &slot = recent_[std::size_t((address * 0x9E3779B97F4A7C15ULL) >> 32) % kRecentTexts];
    if (slot.data == data && slot.size == cell.size())
        return slot;
    slot = CellScore{data, cell.size()};
    const MatchResult result = readMatchResult(cell);
    const PointsScheme &points = league_.competition.points;
    if (result.kind == MatchResult::Kind::Score) {
        slot.counts = true;
        slot.points = pointsOf(result.homeGoals, result.awayGoals, points);
        slot.goalsFor = result.homeGoals;
        slot.goalsAgainst = result.awayGoals;
    } else if (result.kind == MatchResult::Kind::Technical) {
        const bool goals = league_.competition.technical == TechnicalCounting::WithGoals;
        slot.counts = true;
        slot.points = result.homeAwarded ? points.win : points.loss;
        slot.goalsFor = goals && result.homeAwarded ? kTechnicalGoals : 0;
        slot.goalsAgainst = goals && !result.homeAwarded ? kTechnicalGoals : 0;
    }
    return slot;
}

} // namespace soccer
