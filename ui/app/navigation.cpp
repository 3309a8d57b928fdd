#include "ui/app/navigation.h"

#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/dialogs/frmoption.h"
#include "ui/main/frmtable.h"

namespace navigation {

namespace {

void bringForward(QWidget *window) {
    window->raise();
    window->activateWindow();
}

} // namespace

void start() {
    frmopen::create();
}

frmtable *tableChosen() {
    return frmtable::create(frmopen::pros());
}

void newTableRequested(NewTableOrigin from) {
    frmnew::create(from);
}

// At start-up no table has been opened yet, so the way back is the open-table dialog; later
// it is the main window, reloading the table that pros names.
void newTableCancelled(NewTableOrigin from) {
    if (from == NewTableOrigin::OpenDialog)
        frmopen::create();
    else
        tableChosen();
}

// Both dialogs show themselves without blocking; the main window stays usable meanwhile.
void optionsRequested() {
    frmoption::create();
}

void aboutRequested() {
    frmAbout::create();
}

void colorsSaved() {
    if (frmtable *mainWindow = frmtable::current()) {
        mainWindow->armRefresh();
        bringForward(mainWindow);
    }
    if (frmopen *openDialog = frmopen::current())
        openDialog->close();
}

void optionsCancelled() {
    if (frmtable *mainWindow = frmtable::current())
        bringForward(mainWindow);
}

} // namespace navigation
