#include "ui/document/undoactions.h"

#include <QAction>
#include <QUndoStack>

namespace document {

namespace {

// A team named "Брайтон & Хоув" keeps its ampersand rather than lending the menu a mnemonic.
void nameStep(QAction *action, const QString &caption, const QString &step) {
    if (step.isEmpty())
        return action->setText(caption);
    action->setText(caption + QLatin1Char(' ') +
                    QString(step).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

} // namespace

void followUndoStack(QUndoStack *stack, QAction *undo, QAction *redo) {
    const QString undoCaption = undo->text();
    const QString redoCaption = redo->text();
    QObject::connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(
        stack, &QUndoStack::undoTextChanged, undo,
        [undo, undoCaption](const QString &step) { nameStep(undo, undoCaption, step); });
    QObject::connect(
        stack, &QUndoStack::redoTextChanged, redo,
        [redo, redoCaption](const QString &step) { nameStep(redo, redoCaption, step); });
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
}

} // namespace document
