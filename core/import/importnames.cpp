#include "core/import/importnames.h"

#include "core/files/spelling.h"

namespace soccer {

// A name whose nearest spelling would still need question marks is kept as it is, so that the
// plan refuses its lines rather than storing a team under a name nobody wrote.
QString storedTeamName(const QString &name) {
    const QString trimmed = name.trimmed();
    const QString spelling = nearestStorableSpelling(trimmed);
    return spelling.count(QLatin1Char('?')) > trimmed.count(QLatin1Char('?')) ? trimmed : spelling;
}

QString teamKey(const QString &name) {
    return storedTeamName(name).toCaseFolded();
}

bool hasDefaultNames(const League &league) {
    for (int t = 1; t <= league.teamCount; ++t) {
        if (league.teamNames[t].trimmed() != QString::number(t))
            return false;
    }
    return league.teamCount > 0;
}

} // namespace soccer
