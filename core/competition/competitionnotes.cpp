#include "core/competition/competitionnotes.h"

#include <algorithm>

namespace soccer {

namespace {

QString signedPoints(int points) {
    return points > 0 ? QLatin1Char('+') + QString::number(points) : QString::number(points);
}

QString withdrawalNote(const League &league, const Withdrawal &withdrawal) {
    const QString &name = league.teamNames[std::clamp(withdrawal.team, 0, kMaxTeams)];
    if (withdrawal.kind == WithdrawalKind::Annulled)
        return QStringLiteral("%1 снялась: её результаты аннулированы.").arg(name);
    return QStringLiteral("%1 снялась: оставшиеся матчи засчитаны ей техническими поражениями.")
        .arg(name);
}

} // namespace

bool hasAdjustments(const CompetitionRules &rules, int team) {
    return std::ranges::any_of(rules.adjustments, [&](const PointsAdjustment &adjustment) {
        return adjustment.team == team;
    });
}

QString markedPoints(const CompetitionRules &rules, int team, const QString &points) {
    return hasAdjustments(rules, team) ? points + kAdjustedMark : points;
}

QString markedName(const CompetitionRules &rules, int team, const QString &name) {
    return rules.hasWithdrawn(team) ? name + QStringLiteral(" (снялась)") : name;
}

QString adjustmentText(const PointsAdjustment &adjustment) {
    QString text = signedPoints(adjustment.points);
    if (!adjustment.reason.isEmpty())
        text += QStringLiteral(" — ") + adjustment.reason;
    if (!adjustment.when.isEmpty())
        text += QStringLiteral(" (") + adjustment.when + QLatin1Char(')');
    return text;
}

QString adjustmentsOf(const CompetitionRules &rules, int team) {
    QStringList lines;
    for (const PointsAdjustment &adjustment : rules.adjustments) {
        if (adjustment.team == team)
            lines.append(adjustmentText(adjustment));
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList competitionNotes(const League &league) {
    QStringList notes;
    for (const PointsAdjustment &adjustment : league.competition.adjustments) {
        const QString &name = league.teamNames[std::clamp(adjustment.team, 0, kMaxTeams)];
        notes.append(kAdjustedMark + QLatin1Char(' ') + name + QStringLiteral(": ") +
                     adjustmentText(adjustment));
    }
    for (const Withdrawal &withdrawal : league.competition.withdrawals)
        notes.append(withdrawalNote(league, withdrawal));
    return notes;
}

} // namespace soccer
