#include "core/import/importapply.h"

#include "core/import/importcalendar.h"
#include "core/league/score.h"

namespace soccer {

namespace {

void keepCell(ImportUndo &undo, const League &league, int half, int row, int column) {
    undo.cells.push_back({half, row, column, league.crossTables[half].cells[row][column]});
}

// Every cell of teams 1..count emptied and their statistics zeroed; what was there is kept.
void startNewTable(League &league, int count, ImportUndo &undo) {
    for (int half = 1; half <= 2; ++half) {
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c) {
                if (!league.crossTables[half].cells[r][c].isEmpty())
                    keepCell(undo, league, half, r, c);
            }
        }
    }
    league.teamCount = count;
    clearResults(league);
}

void rename(League &league, const ImportPlan &plan, ImportUndo &undo) {
    for (int t = 1; t <= plan.teamCount; ++t) {
        undo.names.push_back({t, league.teamNames[t]});
        league.teamNames[t] = plan.teamNames[t - 1];
    }
}

} // namespace

ImportUndo applyImport(League &league, const ImportPlan &plan) {
    ImportUndo undo;
    if (!plan.usable() || league.teamCount != plan.tableTeamCount || plan.teamCount > kMaxTeams ||
        plan.teamNames.size() != plan.teamCount)
        return undo;
    undo.applied = true;
    undo.teamCount = league.teamCount;
    undo.stats = {league.crossTables[1].stats, league.crossTables[2].stats};
    undo.calendar = league.calendar;
    if (plan.options.naming == TeamNaming::NewTable) {
        startNewTable(league, plan.teamCount, undo);
        league.calendar = {};
    }
    if (plan.renames)
        rename(league, plan, undo);
    for (const PlannedResult &result : plan.results) {
        if (!result.entered())
            continue;
        keepCell(undo, league, result.half, result.home, result.away);
        keepCell(undo, league, result.half, result.away, result.home);
        const ScoreChange change =
            enterScore(league, result.half, result.home, result.away, result.answer());
        undo.entered += change == ScoreChange::Recorded ? 1 : 0;
    }
    takeImportedCalendar(league, plan);
    return undo;
}

void undoImport(League &league, const ImportUndo &undo) {
    if (!undo.applied)
        return;
    for (auto cell = undo.cells.rbegin(); cell != undo.cells.rend(); ++cell)
        league.crossTables[cell->half].cells[cell->row][cell->column] = cell->text;
    for (const auto &[team, name] : undo.names)
        league.teamNames[team] = name;
    league.crossTables[1].stats = undo.stats[0];
    league.crossTables[2].stats = undo.stats[1];
    league.teamCount = undo.teamCount;
    league.calendar = undo.calendar;
}

} // namespace soccer
