#include "core/league/matchresult.h"

#include "core/league/score.h"

namespace soccer {

MatchResult readMatchResult(const QString &cellText) {
    MatchResult result;
    if (cellText.size() == 3 && cellText[1] == u':' &&
        (cellText[0] == u'+' || cellText[0] == u'-') &&
        (cellText[2] == u'+' || cellText[2] == u'-') && cellText != u"+:+") {
        result.kind = MatchResult::Kind::Technical;
        result.homeAwarded = cellText[0] == u'+';
        result.awayAwarded = cellText[2] == u'+';
        return result;
    }
    if (splitScoreText(cellText, result.homeGoals, result.awayGoals))
        result.kind = MatchResult::Kind::Score;
    return result;
}

QString technicalResultText(bool homeAwarded, bool awayAwarded) {
    return QString(homeAwarded ? u'+' : u'-') + u':' + QString(awayAwarded ? u'+' : u'-');
}

} // namespace soccer
