#pragma once

#include "core/competition/competitionrules.h"
#include "core/league/league.h"

#include <QString>
#include <QStringList>

// How the organiser's decisions are shown beside a table: the mark on a team's points, the
// mark on a withdrawn team's name, and the notes printed under the results.
namespace soccer {

// The mark that sends a reader from a team's points to the notes under the table.
inline const QString kAdjustedMark = QStringLiteral("*");

// True when the organiser has docked or given the team points (even if they sum to none).
bool hasAdjustments(const CompetitionRules &rules, int team);

// The points as shown, marked when the team has adjustments: "85*".
QString markedPoints(const CompetitionRules &rules, int team, const QString &points);

// The name of a team that has withdrawn, either way: "Hannover 96 (снялась)".
QString markedName(const CompetitionRules &rules, int team, const QString &name);

// One adjustment as a reader sees it: "-3 — неуплата взносов (12 тур)".
QString adjustmentText(const PointsAdjustment &adjustment);

// Every adjustment of the team, one a line: the tool tip of its points.
QString adjustmentsOf(const CompetitionRules &rules, int team);

// The notes under the results table: each adjustment ("* Team: -3 — reason (when)"), then each
// withdrawal and what it meant. None for a table that uses neither.
QStringList competitionNotes(const League &league);

} // namespace soccer
