// Undo and redo: the Правка menu's items name the step they would take, and the window shows
// an undone or redone step as it showed the change.
#include "ui/main/frmtable.h"
#include "ui/main/leaguedocument.h"
#include "ui/main/tablegrid.h"

#include <QAction>
#include <QUndoStack>

namespace {

// "Отменить ввод счёта Спартак – Динамо"; the bare caption while there is no step. A team
// named "Брайтон & Хоув" keeps its ampersand rather than lending the menu a mnemonic.
void nameStep(QAction *action, const QString &caption, const QString &step) {
    if (step.isEmpty())
        return action->setText(caption);
    action->setText(caption + QLatin1Char(' ') +
                    QString(step).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

} // namespace

void frmtable::followUndoStack() {
    QUndoStack *stack = document_->undoStack();
    QAction *undo = commands_.action("undo");
    QAction *redo = commands_.action("redo");
    const QString undoCaption = undo->text();
    const QString redoCaption = redo->text();
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, undo,
            [undo, undoCaption](const QString &step) { nameStep(undo, undoCaption, step); });
    connect(stack, &QUndoStack::redoTextChanged, redo,
            [redo, redoCaption](const QString &step) { nameStep(redo, redoCaption, step); });
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
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
