#pragma once

class QAction;
class QUndoStack;

namespace document {

// The Правка menu's Отменить and Повторить follow the stack: enabled while there is a step,
// and named after it ("Отменить ввод счёта Спартак – Динамо"); the bare caption without one.
void followUndoStack(QUndoStack *stack, QAction *undo, QAction *redo);

} // namespace document
