#include "ui/app/navigation.h"

#include "core/files/tablefile.h"
#include "core/league/errors.h"
#include "core/league/league.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmnew.h"
#include "ui/dialogs/frmopen.h"
#include "ui/dialogs/frmoption.h"
#include "ui/main/frmtable.h"
#include "ui/document/tableopening.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace navigation {

namespace {

void bringForward(QWidget *window) {
    window->raise();
    window->activateWindow();
}

// The main window ends the program when its table cannot be read, so a table named at the
// start is tried here first, while the user can still be offered another.
std::optional<soccer::CoreError> loadFailure(const QString &tablePath) {
    soccer::League trial;
    try {
        soccer::readTableFile(tablePath, trial);
    } catch (const soccer::CoreError &error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

// Changes a program left unsaved when it died are offered first; a table restored opens at
// once, as one named on the command line would.
void start() {
    if (std::optional<tableopening::Opening> restored = tableopening::offerCopiesAtStart()) {
        const QString path = restored->recovered->owner;
        frmtable::create(path, std::move(*restored));
        return;
    }
    frmopen::create();
}

void startWith(const QString &tablePath) {
    if (const std::optional<soccer::CoreError> failure = loadFailure(tablePath)) {
        platform::message(
            nullptr,
            platform::failureText(QStringLiteral("Таблица не открыта."), tablePath, *failure),
            QStringLiteral("Тарвел"), platform::Buttons::Ok, platform::Icon::Critical);
        frmopen *dialog = frmopen::create();
        const QFileInfo table(tablePath);
        if (table.dir().exists())
            dialog->setFolder(table.absolutePath());
        return;
    }
    frmopen::pros() = tablePath;
    tableChosen();
}

frmtable *tableChosen() {
    return openChosenTable().window;
}

// The questions come before the table is read; the window of the table left (hidden behind
// the new-table dialog) closes only once another table is to take its place.
Opened openChosenTable() {
    const QString path = frmopen::pros();
    tableopening::Opening opening = tableopening::ask(nullptr, path);
    if (opening.cancelled) {
        if (!frmopen::current())
            frmopen::create();
        return {nullptr, true};
    }
    if (frmtable *left = frmtable::current())
        left->leave();
    return {frmtable::create(path, std::move(opening)), false};
}

void newTableRequested(NewTableOrigin from) {
    frmnew::create(from);
}

// At start-up no table has been opened yet, so the way back is the open-table dialog; later
// it is the main window, with its table as the user left it, unsaved changes included (or,
// when there is no window any more, the table that pros names).
void newTableCancelled(NewTableOrigin from) {
    if (from == NewTableOrigin::OpenDialog)
        frmopen::create();
    else if (frmtable *left = frmtable::current()) {
        left->show();
        bringForward(left);
    } else
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
