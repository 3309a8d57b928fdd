#pragma once

#include <QString>

class frmtable;

// Which window comes next, chosen in this one place: a window says what the user did, and the
// function here shows the window that follows. The windows include this header rather than
// one another's.
namespace navigation {

// Where the new-table dialog was opened from, and so where its Cancel returns to.
enum class NewTableOrigin { OpenDialog, MainWindow };

// The program starts with the open-table dialog, after offering the unsaved changes a program
// left when it died.
void start();
// The program starts on a table named on its command line (`soccer FILE`, as a file manager
// runs it for a double-clicked table): the main window on it, as OK in the open-table dialog
// would. A table that cannot be loaded is reported with its error number and reason, and the
// open-table dialog follows in the table's folder instead of the end of the program.
void startWith(const QString &tablePath);
// A table was chosen in the open-table dialog or created by the new-table dialog: the main
// window on the table that frmopen::pros() names. nullptr when it could not be loaded (the
// user has been told and the program ends).
frmtable *tableChosen();
// The same, saying also whether the user cancelled at a question before the table was read
// (the table is open in another window): the dialog that chose it then stays.
struct Opened {
    frmtable *window;
    bool cancelled;
};
Opened openChosenTable();
// New in the open-table dialog or in the main window.
void newTableRequested(NewTableOrigin from);
// The new-table dialog left without a table: the window it came from.
void newTableCancelled(NewTableOrigin from);
void optionsRequested();
void aboutRequested();
// The options dialog saved the colours and closed: the main window repaints in them and comes
// forward, and an open-table dialog still shown closes.
void colorsSaved();
// The options dialog is being left without saving: the main window comes forward.
void optionsCancelled();

} // namespace navigation
