// The main window's loading of a table, its colours, and the one-shot display refresh.
#include "core/files/options.h"
#include "core/league/errors.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/tablerecovery.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/main/roundview.h"
#include "ui/main/seasonview.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/failures.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace {

// Error number shown when a failure carries none of its own.
constexpr int kInternalError = 51;

} // namespace

bool frmtable::Form_Load(const QString &tablePath, tableopening::Opening opening) {
    okno->resize(width(), okno->height());
    try {
        proform(tablePath, std::move(opening));
        return true;
    } catch (const soccer::CoreError &error) {
        proe(error.number());
    } catch (const std::exception &) {
        proe(kInternalError);
    }
    return false;
}

// Loads the table at `tablePath` (or the recovery copy the user chose to restore) and shows it
// in the cross-table 1 view, drawn once in its final state. When the file cannot be read the
// open table, its lock and everything on screen stay as they were.
void frmtable::proform(const QString &tablePath, tableopening::Opening opening) {
    // A read-only window writes nothing, not even a recovery copy, from the load on.
    recovery_->setEnabled(!opening.readOnly);
    try {
        if (opening.recovered)
            document_->loadRecovered(opening.recovered->parts.front());
        else
            document_->load(tablePath);
    } catch (...) {
        recovery_->setEnabled(!readOnly_);
        throw;
    }
    if (opening.recovered)
        recovery_->adopt(opening.recovered->owner);
    lock_ = std::move(opening.lock);
    setReadOnly(opening.readOnly);
    shapeGrids();
    document_->setColors(soccer::loadColorScheme());
    applyColors();
    setWindowTitle(mainlayout::kTitle + QStringLiteral(" - ") +
                   QDir::toNativeSeparators(tablePath) +
                   (readOnly_ ? QStringLiteral(" (только для чтения)") : QString()));
    showView(View::CrossTable1);
    show();
    if (!document_->loadNotes().isEmpty())
        platform::message(this, document_->loadNotes().join(u'\n'), mainlayout::kTitle);
}

// Save and Save as stay disabled, and their tips say why, while another window has the table.
void frmtable::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    tableopening::showReadOnly({commands_.action("save"), commands_.action("saveas")}, readOnly);
}

void frmtable::proe(int errorNumber) {
    closeWithoutAsking();
    platform::endWithError(nullptr, errorNumber);
}

// The colours of the window and its controls; the grids' cells take theirs from the models.
// Setting a colour a widget already has changes nothing on screen. The buttons take the
// window's colours rather than each a copy of its own, so that the style draws their shared
// face once, not once a button.
void frmtable::applyColors() {
    const QColor main = platform::toColor(league().colors.main);
    const QColor text = platform::toColor(league().colors.text);
    platform::setBackground(okno, main);
    platform::setTextColor(okno, text);
    for (TableGrid *grid : {MS, ms1, MSF})
        platform::setTextColor(grid, text);
    // The grid over time paints its cells as the results grid does; its header band is the
    // results grid's header row.
    platform::setTextColor(frseason->grid(), text);
    platform::setBackground(frseason->grid()->horizontalHeader(), main);
    tours->paint(main, text);
    platform::setBackground(this, main);
    platform::setTextColor(this, text);
}

void frmtable::armRefresh() {
    Timer1.start();
}

// The display refresh: the colours reread from option.dat, and the window back in the
// cross-table 1 view. Only what differs is repainted.
void frmtable::Timer1_Timer() {
    Timer1.stop();
    document_->setColors(soccer::loadColorScheme());
    applyColors();
    showView(View::CrossTable1);
}
