#pragma once

#include "core/import/importplan.h"
#include "core/league/league.h"

#include <QString>
#include <array>
#include <vector>

namespace soccer {

// What an applied import replaced, so that undoImport puts back exactly what was there, also
// cell texts that the score rules could not take back and statistics that no cell explains.
struct ImportUndo {
    struct Cell {
        int half = 0;
        int row = 0;
        int column = 0;
        QString text;
    };

    bool applied = false;
    int entered = 0; // score entries made
    int teamCount = 0;
    std::vector<std::pair<int, QString>> names; // team and its name before
    std::vector<Cell> cells;                    // texts before, in the order first touched
    std::array<std::array<TeamStats, kArraySize>, 2> stats{}; // both halves before
    Calendar calendar;                                        // the calendar before
};

// Carries out the plan on the League it was made for: a new table's count and empty cells,
// the new names, then every result to be entered as one score entry (enterScore with the
// answer "x y"), in file order. Lines the plan refused are left out; whether to apply a plan
// with such lines is the caller's decision. Nothing happens (applied is false) when the plan
// is not usable or the League's count is no longer the one planned for. The rounds, dates and
// home teams the file gives go into the calendar (takeImportedCalendar; a new table starts
// without one). The table path, the colours and the ranking order are not touched.
//
// Undo and redo: undoImport(league, undo) restores the League as it was; applying the same
// plan again to the restored League does the same again, so a redo needs only the plan.
ImportUndo applyImport(League &league, const ImportPlan &plan);
void undoImport(League &league, const ImportUndo &undo);

} // namespace soccer
