#include "core/ranking/rankingreason.h"

#include "core/league/score.h"

namespace soccer {

namespace {

QString differenceText(double value) {
    return value > 0 ? QLatin1Char('+') + statisticText(value) : statisticText(value);
}

// "4 – 1", or "+2 – -1" for a difference.
QString figuresText(const Separation &separation, bool signedFigures) {
    const auto text = signedFigures ? differenceText : statisticText;
    return text(separation.above) + QStringLiteral(" – ") + text(separation.below);
}

QString criterionReason(const Separation &separation) {
    switch (separation.criterion) {
    case Criterion::Wins:
        return QStringLiteral("по победам: ") + figuresText(separation, false);
    case Criterion::GoalDifference:
        return QStringLiteral("по разнице мячей: ") + figuresText(separation, true);
    case Criterion::GoalsFor:
        return QStringLiteral("по забитым мячам: ") + figuresText(separation, false);
    case Criterion::HeadToHeadPoints:
        return QStringLiteral("по личным встречам: очки ") + figuresText(separation, false);
    case Criterion::HeadToHeadDifference:
        return QStringLiteral("по личным встречам: разница ") + figuresText(separation, true);
    case Criterion::HeadToHeadGoalsFor:
        break;
    }
    return QStringLiteral("по личным встречам: забитые ") + figuresText(separation, false);
}

} // namespace

QString reasonText(const Separation &separation) {
    switch (separation.by) {
    case Separation::By::Nothing:
    case Separation::By::Points:
        break;
    case Separation::By::Criterion:
        return criterionReason(separation);
    case Separation::By::TeamNumber:
        return QStringLiteral("по номеру команды: ") + figuresText(separation, false);
    case Separation::By::Withdrawal:
        return QStringLiteral("следующая команда снялась");
    }
    return {};
}

} // namespace soccer
