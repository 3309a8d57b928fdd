#include "ui/app/starttable.h"

#include "core/errors.h"
#include "core/league.h"
#include "core/tablefile.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace starttable {

namespace {

// The main window ends the program when its table cannot be read, so the table is tried here
// first, while the user can still be offered another.
int loadFailure(const QString &path) {
    soccer::League trial;
    try {
        soccer::readTableFile(path, trial);
    } catch (const soccer::CoreError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

void openAtStart(const QString &path) {
    if (const int failure = loadFailure(path)) {
        platform::message(
            nullptr, platform::failureText(QStringLiteral("Таблица не открыта."), path, failure),
            QStringLiteral("Тарвел"), platform::Buttons::Ok, platform::Icon::Critical);
        frmopen *dialog = frmopen::create();
        const QFileInfo file(path);
        if (file.dir().exists())
            dialog->setFolder(file.absolutePath());
        return;
    }
    frmopen::pros() = path;
    frmtable::create();
}

} // namespace starttable
