#include "core/import/importcalendar.h"

#include <QRegularExpression>
#include <map>
#include <set>

namespace soccer {

int importedRound(const QString &text) {
    static const QRegularExpression number(QStringLiteral("\\d+"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch() || match.capturedLength() > 4)
        return 0;
    const int round = match.captured().toInt();
    return round <= kMaxRound ? round : 0;
}

QDate importedDate(const QString &text) {
    const QString trimmed = text.trimmed();
    for (const char *format : {"yyyy-MM-dd", "dd.MM.yyyy", "dd/MM/yyyy"}) {
        if (const QDate date = QDate::fromString(trimmed, QLatin1String(format)); date.isValid())
            return date;
    }
    // Two-digit years are this century's, as the result files that use them mean.
    return QDate::fromString(trimmed, QStringLiteral("dd/MM/yy")).addYears(100);
}

std::vector<LineProblem> doubledRoundNotes(const ImportPlan &plan) {
    std::vector<LineProblem> notes;
    std::set<std::pair<int, int>> playing; // round and team
    for (const PlannedResult &result : plan.results) {
        if (result.round == 0)
            continue;
        for (int team : {result.home, result.away}) {
            if (!playing.insert({result.round, team}).second)
                notes.push_back({result.line, QStringLiteral("«%1» второй раз в туре %2")
                                                  .arg(plan.teamNames.value(team - 1).trimmed())
                                                  .arg(result.round)});
        }
    }
    return notes;
}

bool plansCalendar(const ImportPlan &plan) {
    return std::any_of(plan.results.begin(), plan.results.end(),
                       [](const PlannedResult &r) { return r.round > 0; });
}

void takeImportedCalendar(League &league, const ImportPlan &plan) {
    for (const PlannedResult &result : plan.results) {
        if (result.round == 0)
            continue;
        const Fixture imported{result.half,  result.home, result.away,
                               result.round, result.date, false};
        if (Fixture *fixture = findFixture(league.calendar, result.half, result.home, result.away))
            *fixture = imported;
        else
            league.calendar.fixtures.push_back(imported);
    }
}

} // namespace soccer
