#include "core/season/seasontable.h"

#include "core/league/standings.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace soccer {

namespace {

bool countedFor(const SeasonMatch &match, MatchSide side, int team) {
    switch (side) {
    case MatchSide::Home:
        return match.home == team;
    case MatchSide::Away:
        return match.away == team;
    case MatchSide::All:
        break;
    }
    return match.home == team || match.away == team;
}

// The result from the team's side: a technical result is the awarded side's win and a loss
// for the other, "-:-" a loss for both.
FormResult resultFor(const SeasonMatch &match, int team) {
    const MatchResult &r = match.result;
    const bool home = match.home == team;
    if (r.kind == MatchResult::Kind::Technical)
        return (home ? r.homeAwarded : r.awayAwarded) ? FormResult::Win : FormResult::Loss;
    const double own = home ? r.homeGoals : r.awayGoals;
    const double theirs = home ? r.awayGoals : r.homeGoals;
    if (own == theirs)
        return FormResult::Draw;
    return own > theirs ? FormResult::Win : FormResult::Loss;
}

bool counts(const SeasonMatch &match, const CompetitionRules &rules) {
    return !rules.isAnnulled(match.home) && !rules.isAnnulled(match.away);
}

// The movement of every team against the round before the view's: only a view after a round
// has one, and the first round has nothing before it.
void fillMovement(SeasonTable &table, const League &league, const std::vector<SeasonMatch> &matches,
                  const TableView &view) {
    if (view.afterRound < 2 || view.upToDate.isValid())
        return;
    TableView before = view;
    --before.afterRound;
    const auto earlier = leagueAsOf(league, matches, before);
    const auto placeBefore = placesByTeam(rankByRule(*earlier));
    const auto placeNow = placesByTeam(table.ranking);
    for (int t = 1; t <= table.league->teamCount; ++t)
        table.movement[t] = movementText(placeBefore[t], placeNow[t]);
}

} // namespace

QString movementText(int placeBefore, int placeNow) {
    if (placeNow < placeBefore)
        return QStringLiteral("▲%1").arg(placeBefore - placeNow);
    if (placeNow > placeBefore)
        return QStringLiteral("▼%1").arg(placeNow - placeBefore);
    return {};
}

QChar formLetter(FormResult result) {
    switch (result) {
    case FormResult::Win:
        return u'В';
    case FormResult::Draw:
        return u'Н';
    case FormResult::Loss:
        break;
    }
    return u'П';
}

QString formText(const std::vector<FormResult> &form) {
    QString text;
    for (FormResult result : form)
        text += formLetter(result);
    return text;
}

std::array<int, kArraySize> placesByTeam(const std::vector<RankedRow> &ranking) {
    std::array<int, kArraySize> places{};
    for (const RankedRow &row : ranking) {
        if (row.team >= 1 && row.team <= kMaxTeams)
            places[row.team] = row.firstPlace;
    }
    return places;
}

std::array<std::vector<FormResult>, kArraySize> teamForms(const std::vector<SeasonMatch> &matches,
                                                          const CompetitionRules &rules,
                                                          const TableView &view, int count) {
    std::vector<const SeasonMatch *> played;
    for (const SeasonMatch &match : matches) {
        if (match.result.kind != MatchResult::Kind::None && withinTime(match, view) &&
            counts(match, rules) && match.home <= kMaxTeams && match.away <= kMaxTeams)
            played.push_back(&match);
    }
    std::stable_sort(played.begin(), played.end(), [](const SeasonMatch *a, const SeasonMatch *b) {
        return std::tie(a->round, a->date) < std::tie(b->round, b->date);
    });
    // From the latest match back, each team takes results until it has `count`.
    std::array<std::vector<FormResult>, kArraySize> forms;
    for (auto it = played.rbegin(); it != played.rend(); ++it) {
        for (const int team : {(*it)->home, (*it)->away}) {
            if (countedFor(**it, view.side, team) && int(forms[team].size()) < count)
                forms[team].push_back(resultFor(**it, team));
        }
    }
    for (std::vector<FormResult> &form : forms)
        std::reverse(form.begin(), form.end());
    return forms;
}

PlacesInput placesInputAsOf(const League &league, const std::vector<SeasonMatch> &matches,
                            const TableView &view) {
    TableView whole = view;
    whole.side = MatchSide::All;
    const auto asOf = leagueAsOf(league, matches, whole);
    PlacesInput input{{}, {}, league.competition.points};
    for (int t = 1; t <= asOf->teamCount; ++t)
        input.points.append(int(std::lround(totals(*asOf, t).points)));
    for (const SeasonMatch &match : matches) {
        const bool played = match.result.kind != MatchResult::Kind::None && withinTime(match, view);
        if (!played && counts(match, league.competition) && match.home <= asOf->teamCount &&
            match.away <= asOf->teamCount)
            input.remaining.append({match.home, match.away});
    }
    return input;
}

SeasonTable seasonTable(const League &league, const TableView &view, const SeasonColumns &columns,
                        const PlacesOptions &options) {
    const std::vector<SeasonMatch> matches = seasonMatches(league);
    SeasonTable table;
    table.league = leagueAsOf(league, matches, view);
    table.ranking = rankByRule(*table.league);
    if (columns.movement)
        fillMovement(table, league, matches, view);
    if (columns.form)
        table.form = teamForms(matches, league.competition, view);
    if (columns.places)
        table.places = reachablePlaces(placesInputAsOf(league, matches, view), options).teams;
    return table;
}

} // namespace soccer
