#pragma once

#include "core/recovery/recoverywriter.h"

#include <QObject>
#include <QTimer>
#include <functional>

class LeagueDocument;

// Keeps the recovery copy of the open table: after every change of it (a step of the undo
// stack, its undo and its redo) the table as it stands goes to the copy, and the copy goes
// when nothing unsaved is left. The copy is taken at the first quiet moment after a change
// (kQuietMs; a run of changes within it makes one copy, and a run that never stops still
// makes one each kQuietMs) and written on the writer's thread, so that entry never waits for
// the disk and a change is on the disk well within two seconds.
class TableRecovery : public QObject {
    Q_OBJECT

  public:
    static constexpr int kQuietMs = 300;

    explicit TableRecovery(LeagueDocument *document, QObject *parent = nullptr);

    // An edition that keeps its league in files of its own says what its copy holds. The
    // record is made at once, on this thread: such a league is small, and its files' bytes
    // cost less to make than to hand over. Without it the copy is the table file at the
    // table's path, made on the writer's thread.
    using OwnCopy = std::function<soccer::RecoveryRecord()>;
    void setOwnCopy(OwnCopy make) { ownCopy_ = std::move(make); }

    // Off for a table opened read-only: it writes nothing at all.
    void setEnabled(bool enabled);
    // The changes are saved or given up (a table loaded in their place gives them up too):
    // removes the copies this session wrote, at once, and never one it did not write.
    void discard();
    // The copy at `path` was restored into the table: it is this session's from now on, to
    // rewrite and to remove.
    void adopt(const QString &path);
    // Writes what is pending now and waits until it is on the disk.
    void flush();

    soccer::RecoveryWriter &writer() { return writer_; }

  private:
    void stackChanged();
    void takeCopy();
    void remember(const QString &owner);

    LeagueDocument *document_;
    soccer::RecoveryWriter writer_;
    QTimer quiet_;
    OwnCopy ownCopy_;
    bool enabled_ = true;
    // The paths this session has written copies for (a Save as moves the table).
    QStringList written_;
};
