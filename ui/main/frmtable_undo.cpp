// Undo and redo: the Правка menu's items name the step they would take, and the window shows
// an undone or redone step as it showed the change.
#include "ui/document/leaguedocument.h"
#include "ui/document/undoactions.h"
#include "ui/main/frmtable.h"
#include "ui/main/tablegrid.h"

#include <QUndoStack>

void frmtable::followUndoStack() {
    document::followUndoStack(document_->undoStack(), commands_.action("undo"),
                              commands_.action("redo"));
}

void frmtable::proundo() {
    showStep(&QUndoStack::undo);
}

void frmtable::proredo() {
    showStep(&QUndoStack::redo);
}

// The models follow the document's signals; what they cannot follow is done here as the
// forward command did it: a table of another shape takes the layout's column widths again,
// and a results table on show is ranked again, as after a choice of rules.
void frmtable::showStep(void (QUndoStack::*step)()) {
    bool reloaded = false;
    const QMetaObject::Connection watch =
        connect(document_, &LeagueDocument::reloaded, this, [&reloaded] { reloaded = true; });
    (document_->undoStack()->*step)();
    disconnect(watch);
    if (reloaded)
        shapeGrids();
    if (MSF->isVisible())
        protable();
}
