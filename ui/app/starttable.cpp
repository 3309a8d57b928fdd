#include "ui/app/starttable.h"

#include "core/errors.h"
#include "core/league.h"
#include "core/tablefile.h"
#include "ui/app/navigation.h"
#include "ui/dialogs/frmopen.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

namespace starttable {

void openAtStart(const QString &path) {
    // The main window ends the program when its table cannot be read, so the table is tried
    // here first, while the user can still be offered another.
    try {
        auto trial = std::make_unique<soccer::League>();
        soccer::readTableFile(path, *trial);
    } catch (const soccer::CoreError &error) {
        platform::message(
            nullptr, platform::failureText(QStringLiteral("Таблица не открыта."), path, error),
            QStringLiteral("Тарвел"), platform::Buttons::Ok, platform::Icon::Critical);
        frmopen *dialog = frmopen::create();
        const QFileInfo file(path);
        if (file.dir().exists())
            dialog->setFolder(file.absolutePath());
        return;
    }
    frmopen::pros() = path;
    navigation::tableChosen();
}

} // namespace starttable
