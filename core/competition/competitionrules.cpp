#include "core/competition/competitionrules.h"

#include "core/files/codepage.h"

#include <algorithm>

namespace soccer {

namespace {

bool fitsOneLine(const QString &text) {
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

} // namespace

QString adjustmentProblem(const PointsAdjustment &adjustment, int teamCount) {
    if (adjustment.team < 1 || adjustment.team > teamCount)
        return QStringLiteral("Такой команды нет в таблице.");
    if (adjustment.points == 0)
        return QStringLiteral("Число очков не может быть нулём.");
    for (const QString &text : {adjustment.reason, adjustment.when}) {
        if (!fitsOneLine(text))
            return QStringLiteral("Причина и тур пишутся в одну строку.");
        if (!fitsTableCodePage(text))
            return QStringLiteral("Знак, который нельзя сохранить в файле таблицы (допустимы "
                                  "русские и латинские буквы, цифры и обычные знаки).");
    }
    if (adjustment.when.contains(QLatin1Char(';')))
        return QStringLiteral("Тур или дата не может содержать точку с запятой.");
    return {};
}

bool CompetitionRules::isAnnulled(int team) const {
    return std::ranges::any_of(withdrawals, [&](const Withdrawal &withdrawal) {
        return withdrawal.team == team && withdrawal.kind == WithdrawalKind::Annulled;
    });
}

bool CompetitionRules::hasWithdrawn(int team) const {
    return std::ranges::any_of(
        withdrawals, [&](const Withdrawal &withdrawal) { return withdrawal.team == team; });
}

int CompetitionRules::adjustmentOf(int team) const {
    int sum = 0;
    for (const PointsAdjustment &adjustment : adjustments)
        sum += adjustment.team == team ? adjustment.points : 0;
    return sum;
}

} // namespace soccer
