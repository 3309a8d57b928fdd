#include "ui/document/tableopening.h"

#include "ui/platform/prompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace tableopening {

namespace {

const QString kTitle = QStringLiteral("Тарвел");

const char *const kWritableTip = "writableTip";
const QString kReadOnlyReason = QStringLiteral(
    "Таблица открыта только для чтения: она открыта в другом окне программы, сохраняйте её там");

enum LockChoice { ReadOnly, Anyway, Cancel };

bool samePath(const QString &a, const QString &b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

void reportDamaged(const QStringList &damaged) {
    for (const QString &aside : damaged)
        platform::message(nullptr,
                          QStringLiteral("Копия несохранённых изменений повреждена и отложена: ") +
                              QDir::toNativeSeparators(aside),
                          kTitle, platform::Buttons::Ok, platform::Icon::Information);
}

// Да keeps the copy for the window to load; Нет sets it aside as the owner's older copy.
bool offer(const soccer::RecoveryRecord &record) {
    const platform::Answer answer =
        platform::message(nullptr, recoveryQuestion(record), kTitle, platform::Buttons::YesNo,
                          platform::Icon::Information);
    if (answer == platform::Answer::Yes)
        return true;
    soccer::RecoveryStore().setAside(record.owner);
    return false;
}

// A copy of the table as one file: the owner is the table and its one part.
bool isTableCopy(const soccer::RecoveryRecord &record) {
    return record.parts.size() == 1 && record.parts.front().path == record.owner;
}

// A copy whose table another running program has open is that program's, still in use.
bool inUseElsewhere(const QString &path) {
    return soccer::TableLock(path).state() == soccer::TableLock::State::HeldElsewhere;
}

LockChoice askAboutLock(QWidget *parent, const QString &path) {
    return LockChoice(
        platform::choice(parent,
                         QStringLiteral("Таблица ") + QDir::toNativeSeparators(path) +
                             QStringLiteral(" уже открыта в другом окне программы."),
                         kTitle,
                         {QStringLiteral("Открыть только для чтения"),
                          QStringLiteral("Открыть всё равно"), QStringLiteral("Отмена")}));
}

} // namespace

QString recoveryQuestion(const soccer::RecoveryRecord &record) {
    QString text = QStringLiteral("Найдены несохранённые изменения таблицы ") +
                   QDir::toNativeSeparators(record.owner) + QStringLiteral(" от ") +
                   record.taken.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) +
                   QStringLiteral(". Восстановить их?");
    if (record.filesChangedSince())
        text += QStringLiteral("\nФайл таблицы изменён после того, как были сделаны эти "
                               "изменения: восстановленные заменят то, что в нём сейчас.");
    return text;
}

Opening ask(QWidget *parent, const QString &path, soccer::TableLock *ownLock) {
    Opening opening;
    if (ownLock && ownLock->held() && samePath(ownLock->path(), path)) {
        opening.lock = std::move(*ownLock);
    } else {
        opening.lock = soccer::TableLock(path);
    }
    if (opening.lock.state() == soccer::TableLock::State::HeldElsewhere) {
        const LockChoice choice = askAboutLock(parent, path);
        opening.cancelled = choice == Cancel;
        opening.readOnly = choice == ReadOnly;
        // The copy belongs to the program that has the table open.
        return opening;
    }
    const soccer::RecoveryFound found = soccer::RecoveryStore().find(path);
    reportDamaged(found.damaged);
    // The copy is of what `path` names: a table file, or the classic edition's folder.
    for (const soccer::RecoveryRecord &record : found.records) {
        if (offer(record))
            opening.recovered = record;
    }
    return opening;
}

std::optional<Opening> offerCopiesAtStart() {
    const soccer::RecoveryFound found = soccer::RecoveryStore().findAll();
    reportDamaged(found.damaged);
    for (const soccer::RecoveryRecord &record : found.records) {
        if (!isTableCopy(record) || inUseElsewhere(record.owner))
            continue;
        Opening opening;
        opening.lock = soccer::TableLock(record.owner);
        if (offer(record)) {
            opening.recovered = record;
            return opening;
        }
    }
    return std::nullopt;
}

void showReadOnly(std::initializer_list<QAction *> writing, bool readOnly) {
    for (QAction *action : writing) {
        if (!action->property(kWritableTip).isValid())
            action->setProperty(kWritableTip, action->toolTip());
        action->setEnabled(!readOnly);
        action->setToolTip(readOnly ? kReadOnlyReason : action->property(kWritableTip).toString());
        action->setStatusTip(readOnly ? kReadOnlyReason : QString());
    }
}

} // namespace tableopening
