// The commands that save the table or leave it: Save, Save as, New, Open, Exit, and the help,
// options and About commands.
#include "core/files/locations.h"
#include "core/league/errors.h"
#include "ui/app/navigation.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/savequestion.h"
#include "ui/document/tablerecovery.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/platform/confirmreplace.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QDir>

using mainlayout::kTitle;

namespace {

QList<platform::FileFilter> tableFilters() {
    return {{QStringLiteral("Таблицы         (*.TFL)"), QStringLiteral("*.TFL")},
            {QStringLiteral("Текстовые файлы (*.TXT)"), QStringLiteral("*.TXT")},
            {QStringLiteral("DATA файлы      (*.DAT)"), QStringLiteral("*.DAT")}};
}

} // namespace

void frmtable::prosave() {
    saveTable();
}

// Saves to the table's path, or to `newPath` (Save as), which becomes the table's path only
// once the table is written there. A table opened read-only is never written.
frmtable::SaveOutcome frmtable::saveTable(const std::optional<QString> &newPath) {
    if (readOnly_) {
        platform::message(this, commands_.action("save")->toolTip(), kTitle, platform::Buttons::Ok,
                          platform::Icon::Information);
        return SaveOutcome::Failed;
    }
    if (platform::message(this, QStringLiteral("Сохранить?"), kTitle, platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return SaveOutcome::Declined;
    // The user has already agreed to replace the file Save as chose.
    if (!newPath && document_->fileChangedOnDisk() && !confirmOverwrite())
        return SaveOutcome::Withheld;
    hide();
    const QString path = newPath.value_or(league().tablePath);
    try {
        if (newPath)
            document_->saveAs(*newPath);
        else
            document_->save();
    } catch (const soccer::CoreError &error) {
        show();
        platform::message(
            this,
            platform::failureText(
                QStringLiteral("Таблица не сохранена, она осталась открытой в программе."), path,
                error),
            kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return SaveOutcome::Failed;
    }
    platform::message(this, QStringLiteral("Сохранено"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
    show();
    return SaveOutcome::Saved;
}

// Another window or program has written the table's file since it was read or saved here;
// writing now would silently drop what it wrote.
bool frmtable::confirmOverwrite() {
    return platform::message(this,
                             QStringLiteral("Файл таблицы изменён другой программой. "
                                            "Записать поверх?"),
                             kTitle, platform::Buttons::YesNo,
                             platform::Icon::Information) == platform::Answer::Yes;
}

bool frmtable::offerToSave(const QString &question) {
    return document::offerToSave(this, question, kTitle, [this] { return saveTable(); });
}

void frmtable::mnunew_Click() {
    if (!offerToSave(QStringLiteral("Сохранить этот файл перед созданием нового")))
        return;
    // Hidden, not closed: Отмена in the new-table dialog brings this table back as it is,
    // changes included; a new table made there closes it.
    hide();
    navigation::newTableRequested(navigation::NewTableOrigin::MainWindow);
}

void frmtable::cmdopen_Click() {
    if (!offerToSave(QStringLiteral("Сохранить этот файл перед открытием")))
        return;
    const std::optional<QString> chosen = platform::openFileName(this, tableFilters());
    if (!chosen)
        return;
    tableopening::Opening opening = tableopening::ask(this, *chosen, &lock_);
    if (opening.cancelled)
        return;
    try {
        proform(*chosen, std::move(opening));
    } catch (const soccer::CoreError &error) {
        // Nothing was read into the table, so the previous one is still the open one.
        show();
        platform::message(this,
                          platform::failureText(QStringLiteral("Таблица не открыта, открытой "
                                                               "остаётся прежняя."),
                                                *chosen, error),
                          kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return;
    }
    prochess();
}

void frmtable::mnusaveas_Click() {
    const std::optional<QString> chosen = chooseSaveAsPath();
    if (!chosen || saveTable(*chosen) != SaveOutcome::Saved)
        return;
    lock_ = soccer::TableLock(*chosen);
}

// The path Save as writes to. Before an existing file is replaced the user is asked; Нет opens
// the file dialog again on the same name, so that a mistyped name costs no season.
std::optional<QString> frmtable::chooseSaveAsPath() {
    QString suggested;
    for (;;) {
        const std::optional<QString> chosen =
            platform::saveFileName(this, tableFilters(), suggested);
        if (!chosen || platform::confirmReplace(this, *chosen))
            return chosen;
        suggested = *chosen;
    }
}

void frmtable::proexit() {
    if (!confirmExit())
        return;
    giveUpTable();
    platform::endProgram();
}

// The table is left: what it holds unsaved the user has saved or given up, so its recovery
// copy goes, and another window may have it.
void frmtable::giveUpTable() {
    recovery_->discard();
    lock_.release();
}

bool frmtable::confirmExit() {
    return document::confirmExit(this, kTitle, document_->isModified(),
                                 [this] { return saveTable(); });
}

// An installed program's help page lies in its data folder, not beside it, so the message
// names the file where it is.
void frmtable::cmdhelp_Click() {
    const QString text =
        soccer::placement() == soccer::Placement::Portable
            ? QStringLiteral("Откройте файл help.html в папке с программой")
            : QStringLiteral("Откройте файл ") +
                  QDir::toNativeSeparators(soccer::deliveredFile(QStringLiteral("help.html")));
    platform::message(this, text, QStringLiteral("Помощь"), platform::Buttons::Ok,
                      platform::Icon::None);
}

void frmtable::prooption() {
    navigation::optionsRequested();
}

void frmtable::proabout() {
    navigation::aboutRequested();
}
