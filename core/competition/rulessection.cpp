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

const QString kAnnul = QStringLiteral("annul");
const QString kTechnical = QStringLiteral("technical");

// "1.3 2.3": half and column of each filled cell of the team's rows.
std::optional<std::vector<Withdrawal::Cell>> filledCellsOf(const QString &text, int team,
                                                           int teamCount) {
    std::vector<Withdrawal::Cell> cells;
    for (const QString &item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char('.'));
        bool halfRead = false;
        bool columnRead = false;
        const int half = parts.value(0).toInt(&halfRead);
        const int column = parts.value(1).toInt(&columnRead);
        if (parts.size() != 2 || !halfRead || !columnRead || half < 1 || half > 2 || column < 1 ||
            column > teamCount || column == team)
            return std::nullopt;
        cells.push_back({half, team, column});
    }
    return cells;
}

std::optional<Withdrawal> withdrawalOf(const QString &value, int teamCount) {
    const QStringList fields = value.split(QLatin1Char(';'));
    bool teamRead = false;
    Withdrawal withdrawal;
    withdrawal.team = fields[0].toInt(&teamRead);
    if (!teamRead || withdrawal.team < 1 || withdrawal.team > teamCount)
        return std::nullopt;
    if (fields.size() == 2 && fields[1] == kAnnul)
        return withdrawal;
    if (fields.size() != 3 || fields[1] != kTechnical)
        return std::nullopt;
    withdrawal.kind = WithdrawalKind::TechnicalDefeats;
    const auto filled = filledCellsOf(fields[2], withdrawal.team, teamCount);
    if (!filled)
        return std::nullopt;
    withdrawal.filled = *filled;
    return withdrawal;
}

QString withdrawalValue(const Withdrawal &withdrawal) {
    if (withdrawal.kind == WithdrawalKind::Annulled)
        return QStringLiteral("%1;%2").arg(withdrawal.team).arg(kAnnul);
    QStringList cells;
    for (const Withdrawal::Cell &cell : withdrawal.filled)
        cells.append(QStringLiteral("%1.%2").arg(cell.half).arg(cell.column));
    return QStringLiteral("%1;%2;%3").arg(withdrawal.team).arg(kTechnical, cells.join(' '));
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

QStringList readWithdrawalPart(const QStringList &values, League &into, QStringList &notes) {
    into.competition.withdrawals.clear();
    QStringList unread;
    for (const QString &value : values) {
        const auto withdrawal = withdrawalOf(value, into.teamCount);
        if (withdrawal && !into.competition.hasWithdrawn(withdrawal->team))
            into.competition.withdrawals.push_back(*withdrawal);
        else
            unread.append(value);
    }
    noteUnread(unread, QStringLiteral("Снятие команды"), notes);
    return unread;
}

QStringList writeWithdrawalPart(const League &league) {
    QStringList values;
    for (const Withdrawal &withdrawal : league.competition.withdrawals)
        values.append(withdrawalValue(withdrawal));
    return values;
}

// One line of a number of places the window can set (1..98); the last line read counts.
QStringList readRelegationPart(const QStringList &values, League &into, QStringList &notes) {
    into.competition.relegationPlaces = 0;
    QStringList unread;
    for (const QString &value : values) {
        bool read = false;
        const int places = value.toInt(&read);
        if (read && places >= 1 && places < kMaxTeams && value == QString::number(places))
            into.competition.relegationPlaces = places;
        else
            unread.append(value);
    }
    noteUnread(unread, QStringLiteral("Число мест вылета"), notes);
    return unread;
}

QStringList writeRelegationPart(const League &league) {
    if (league.competition.relegationPlaces == 0)
        return {};
    return {QString::number(league.competition.relegationPlaces)};
}

} // namespace soccer
