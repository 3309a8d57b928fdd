#include "core/competition/rulessection.h"

#include <optional>

namespace soccer {

namespace {

const QString kPointsOnly = QStringLiteral("points-only");

void noteUnread(const QStringList &unread, const QString &what, QStringList &notes) {
    if (!unread.isEmpty())
        notes.append(QStringLiteral("%1 «%2» не прочитано: строка сохранена как есть.")
                         .arg(what, unread.first()));
}

std::optional<PointsAdjustment> adjustmentOf(const QString &value, int teamCount) {
    const QStringList fields = value.split(QLatin1Char(';'));
    if (fields.size() < 4)
        return std::nullopt;
    bool teamRead = false;
    bool pointsRead = false;
    PointsAdjustment adjustment;
    adjustment.team = fields[0].toInt(&teamRead);
    adjustment.points = fields[1].toInt(&pointsRead);
    adjustment.when = fields[2];
    adjustment.reason = fields.mid(3).join(QLatin1Char(';'));
    if (!teamRead || !pointsRead || adjustment.team < 1 || adjustment.team > teamCount)
        return std::nullopt;
    return adjustment;
}

} // namespace

// One line of points that are a scheme; the last line read counts.
QStringList readPointsPart(const QStringList &values, League &into, QStringList &notes) {
    into.competition.points = {};
    QStringList unread;
    for (const QString &value : values) {
        const std::optional<PointsScheme> points = pointsSchemeFromKey(value);
        if (points && pointsSchemeProblem(*points).isEmpty())
            into.competition.points = *points;
        else
            unread.append(value);
    }
    noteUnread(unread, QStringLiteral("Очки за результат"), notes);
    return unread;
}

QStringList writePointsPart(const League &league) {
    if (league.competition.points == PointsScheme{})
        return {};
    return {pointsSchemeKey(league.competition.points)};
}

QStringList readTechnicalPart(const QStringList &values, League &into, QStringList &notes) {
    into.competition.technical = TechnicalCounting::WithGoals;
    QStringList unread;
    for (const QString &value : values) {
        if (value == kPointsOnly)
            into.competition.technical = TechnicalCounting::PointsOnly;
        else
            unread.append(value);
    }
    noteUnread(unread, QStringLiteral("Правило технических результатов"), notes);
    return unread;
}

QStringList writeTechnicalPart(const League &league) {
    if (league.competition.technical == TechnicalCounting::WithGoals)
        return {};
    return {kPointsOnly};
}

QStringList readDeductionPart(const QStringList &values, League &into, QStringList &notes) {
    into.competition.adjustments.clear();
    QStringList unread;
    for (const QString &value : values) {
        if (const auto adjustment = adjustmentOf(value, into.teamCount))
            into.competition.adjustments.push_back(*adjustment);
        else
            unread.append(value);
    }
    noteUnread(unread, QStringLiteral("Снятие очков"), notes);
    return unread;
}

QStringList writeDeductionPart(const League &league) {
    QStringList values;
    for (const PointsAdjustment &adjustment : league.competition.adjustments)
        values.append(QStringLiteral("%1;%2;%3;%4")
                          .arg(adjustment.team)
                          .arg(adjustment.points)
                          .arg(adjustment.when, adjustment.reason));
    return values;
}

} // namespace soccer
