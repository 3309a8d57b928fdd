#pragma once

#include "core/files/tablelock.h"
#include "core/recovery/recoverycopy.h"

#include <QString>
#include <initializer_list>
#include <optional>

class QAction;
class QWidget;

// The questions before a table is opened: whether another running program has it open, and
// whether unsaved changes of it were left by a program that ended without saving them.
namespace tableopening {

struct Opening {
    bool cancelled = false;
    bool readOnly = false;
    soccer::TableLock lock;
    // The copy the user chose to restore, when there was one.
    std::optional<soccer::RecoveryRecord> recovered;
};

// Asks what is to be asked about opening the table at `path`. `ownLock` is the lock the
// asking window holds already (its table opened again is no other program's).
Opening ask(QWidget *parent, const QString &path, soccer::TableLock *ownLock = nullptr);

// At a start with no table named: every copy of a table no running program has open is
// offered in turn, the newest first; the first the user restores is the table to open.
std::optional<Opening> offerCopiesAtStart();

// "Найдены несохранённые изменения таблицы <путь> от <время>. Восстановить их?", with a note
// when the table's file has changed since.
QString recoveryQuestion(const soccer::RecoveryRecord &record);

// The commands that write the table, disabled while another window has it, their tips saying
// why; enabled again with their own tips.
void showReadOnly(std::initializer_list<QAction *> writing, bool readOnly);

} // namespace tableopening
