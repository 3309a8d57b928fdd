#include "ui/document/tablerecovery.h"

#include "core/files/tablefile.h"
#include "ui/document/leaguedocument.h"

#include <QUndoStack>
#include <memory>

TableRecovery::TableRecovery(LeagueDocument *document, QObject *parent)
    : QObject(parent), document_(document) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &TableRecovery::takeCopy);
    QUndoStack *stack = document->undoStack();
    connect(stack, &QUndoStack::indexChanged, this, &TableRecovery::stackChanged);
    connect(stack, &QUndoStack::cleanChanged, this, &TableRecovery::stackChanged);
}

void TableRecovery::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled)
        quiet_.stop();
}

// An undo back to the saved state leaves nothing to recover.
void TableRecovery::stackChanged() {
    if (!enabled_)
        return;
    if (!document_->isModified()) {
        discard();
        return;
    }
    // Not restarted by a later change: a long run of entries still gets its copy in time.
    if (!quiet_.isActive())
        quiet_.start();
}

// The league is copied here, at once, and made into bytes on the writer's thread; the copy
// shares its texts with the table, so taking it costs little.
void TableRecovery::takeCopy() {
    if (!enabled_ || !document_->isModified())
        return;
    if (ownCopy_) {
        soccer::RecoveryRecord record = ownCopy_();
        const QString owner = record.owner;
        remember(owner);
        writer_.write(owner, [record = std::move(record)] { return record; });
        return;
    }
    const soccer::League &league = document_->league();
    auto copy = std::make_shared<const soccer::League>(league);
    const soccer::FileFingerprint loadedFrom = document_->fileAsKnown();
    const QString path = league.tablePath;
    remember(path);
    writer_.write(path, [copy, loadedFrom, path] {
        return soccer::RecoveryRecord{
            path, QDateTime::currentDateTime(), {{path, soccer::tableBytes(*copy), loadedFrom}}};
    });
}

void TableRecovery::remember(const QString &owner) {
    if (!written_.contains(owner))
        written_.append(owner);
}

void TableRecovery::discard() {
    quiet_.stop();
    for (const QString &path : std::as_const(written_))
        writer_.remove(path);
    written_.clear();
    writer_.finish();
}

void TableRecovery::adopt(const QString &path) {
    remember(path);
}

void TableRecovery::flush() {
    if (quiet_.isActive()) {
        quiet_.stop();
        takeCopy();
    }
    writer_.finish();
}
