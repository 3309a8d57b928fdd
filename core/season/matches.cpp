#include "core/season/matches.h"

#include "core/league/score.h"

#include <algorithm>
#include <tuple>

namespace soccer {

namespace {

// The calendar's fixture index of each ordered pair of each half, so a full season's matches
// are built in one pass instead of one calendar search a pair.
using FixtureIndex = std::vector<int>;

int slotOf(int half, int a, int b) {
    return ((half - 1) * kArraySize + std::min(a, b)) * kArraySize + std::max(a, b);
}

FixtureIndex indexFixtures(const Calendar &calendar, int teamCount) {
    FixtureIndex index(2 * kArraySize * kArraySize, -1);
    for (size_t i = 0; i < calendar.fixtures.size(); ++i) {
        const Fixture &f = calendar.fixtures[i];
        if ((f.half == 1 || f.half == 2) && f.home >= 1 && f.away >= 1 && f.home <= teamCount &&
            f.away <= teamCount && f.home != f.away)
            index[slotOf(f.half, f.home, f.away)] = static_cast<int>(i);
    }
    return index;
}

SeasonMatch matchOfPair(const League &league, const FixtureIndex &index, int half, int a, int b) {
    SeasonMatch match{half, a, b, 0, {}, false, {}};
    if (const int i = index[slotOf(half, a, b)]; i >= 0) {
        const Fixture &f = league.calendar.fixtures[i];
        match = {half, f.home, f.away, f.round, f.date, f.postponed, {}};
    }
    match.result = readMatchResult(league.crossTables[half].cells[match.home][match.away]);
    return match;
}

} // namespace

std::vector<SeasonMatch> seasonMatches(const League &league) {
    const int n = league.teamCount;
    const FixtureIndex index = indexFixtures(league.calendar, n);
    std::vector<SeasonMatch> matches;
    matches.reserve(static_cast<size_t>(n) * std::max(n - 1, 0));
    for (int half = 1; half <= 2; ++half) {
        for (int a = 1; a <= n; ++a) {
            for (int b = a + 1; b <= n; ++b)
                matches.push_back(matchOfPair(league, index, half, a, b));
        }
    }
    std::stable_sort(matches.begin(), matches.end(),
                     [](const SeasonMatch &x, const SeasonMatch &y) {
                         return std::tie(x.half, x.round, x.home, x.away) <
                                std::tie(y.half, y.round, y.home, y.away);
                     });
    return matches;
}

QString resultText(const MatchResult &result) {
    switch (result.kind) {
    case MatchResult::Kind::Score:
        return statisticText(result.homeGoals) + u':' + statisticText(result.awayGoals);
    case MatchResult::Kind::Technical:
        return technicalResultText(result.homeAwarded, result.awayAwarded);
    case MatchResult::Kind::None:
        break;
    }
    return {};
}

std::vector<SeasonMatch> roundMatches(const std::vector<SeasonMatch> &matches, int round) {
    std::vector<SeasonMatch> result;
    std::copy_if(matches.begin(), matches.end(), std::back_inserter(result),
                 [round](const SeasonMatch &m) { return m.round == round; });
    return result;
}

std::vector<int> freeTeams(const std::vector<SeasonMatch> &matches, int round, int teamCount) {
    std::vector<bool> playing(teamCount + 1, false);
    for (const SeasonMatch &m : matches) {
        if (m.round == round && m.home <= teamCount && m.away <= teamCount)
            playing[m.home] = playing[m.away] = true;
    }
    std::vector<int> result;
    for (int team = 1; team <= teamCount; ++team) {
        if (!playing[team])
            result.push_back(team);
    }
    return result;
}

} // namespace soccer
