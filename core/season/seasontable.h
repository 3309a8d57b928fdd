#pragma once

#include "core/ranking/ranking.h"
#include "core/season/reachableplaces.h"
#include "core/season/tableasof.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace soccer {

// The columns a results table over time may add to the counters, each only when asked.
struct SeasonColumns {
    bool movement = false; // "±": the change of place against the round before
    bool form = false;     // "Последние 5": the last five results, oldest first
    bool places = false;   // "Места": the best and the worst place still reachable

    bool any() const { return movement || form || places; }
    bool operator==(const SeasonColumns &) const = default;
};

// One letter of a team's form.
enum class FormResult { Win, Draw, Loss };

// The results table of a view, ranked by the table's rule, with the asked columns by team.
struct SeasonTable {
    std::unique_ptr<League> league; // as the view sees it, standingsOrder set by the ranking
    std::vector<RankedRow> ranking;
    std::array<QString, kArraySize> movement;             // by team: "▲2", "▼1" or empty
    std::array<std::vector<FormResult>, kArraySize> form; // by team, oldest first
    QList<TeamPlaces> places;                             // index 0 is team 1; empty unless asked
};

// "▲2" for a team two places higher than before, "▼1" for one lower, empty when unchanged.
QString movementText(int placeBefore, int placeNow);
// В, Н, П: what the window, the exports and the command line show of a form.
QChar formLetter(FormResult result);
QString formText(const std::vector<FormResult> &form);

// The place (the first of a shared one) of each team in a ranking, by team.
std::array<int, kArraySize> placesByTeam(const std::vector<RankedRow> &ranking);

// Every team's last `count` results among the matches the view counts, by round (then date),
// oldest first, by team; the matches of a team whose results are annulled are none.
std::array<std::vector<FormResult>, kArraySize> teamForms(const std::vector<SeasonMatch> &matches,
                                                          const CompetitionRules &rules,
                                                          const TableView &view, int count = 5);

// The season as it stood at the view's time, for the places: the points of the whole table
// then (points docked included) and every match not yet played by then as remaining.
PlacesInput placesInputAsOf(const League &league, const std::vector<SeasonMatch> &matches,
                            const TableView &view);

// The whole results table of the view with the asked columns; the places within `options`.
SeasonTable seasonTable(const League &league, const TableView &view, const SeasonColumns &columns,
                        const PlacesOptions &options = {});

} // namespace soccer
