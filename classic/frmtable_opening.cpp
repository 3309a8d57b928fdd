// The classic window's league as one program's: another running program on the same folder is
// asked about, unsaved changes a killed program left are offered back, and the changes made
// here are kept in a recovery copy until they are saved or given up.
#include "classic/frmtable.h"
#include "classic/windowlayout.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/tableopening.h"
#include "ui/document/tablerecovery.h"

#include <QAction>

namespace classic {

// Asked before anything is read; false when the user cancels the start.
bool frmtable::openLeague() {
    tableopening::Opening opening = tableopening::ask(this, folder_.absolutePath());
    if (opening.cancelled)
        return false;
    // A read-only window writes nothing, not even a recovery copy, from the load on.
    recovery_->setEnabled(!opening.readOnly);
    if (opening.recovered) {
        const soccer::RecoveryRecord &copy = *opening.recovered;
        document_->loadRecovered(
            [&copy](soccer::League &read) { loadLeague(read, recoveredFiles(copy)); });
        filesAsKnown_.clear();
        for (const soccer::RecoveryPart &part : copy.parts)
            filesAsKnown_.push_back(part.loadedFrom);
        recovery_->adopt(copy.owner);
    } else {
        document_->load([this](soccer::League &read) { loadLeague(read, folder_); });
        filesAsKnown_ = dataFilesAsTheyLie(folder_);
    }
    recovery_->setOwnCopy([this] { return recoveryRecord(league(), folder_, filesAsKnown_); });
    lock_ = std::move(opening.lock);
    setReadOnly(opening.readOnly);
    return true;
}

void frmtable::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    tableopening::showReadOnly({commands_.action("save")}, readOnly);
    using windowlayout::kTitle;
    setWindowTitle(readOnly ? kTitle + QStringLiteral(" (только для чтения)") : kTitle);
}

// The league is left: what it holds unsaved the user has saved or given up, so its recovery
// copy goes, and another program may have the folder.
void frmtable::giveUpLeague() {
    recovery_->discard();
    lock_.release();
}

} // namespace classic
