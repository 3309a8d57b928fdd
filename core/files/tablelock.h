#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running program per table: a table (or the classic edition's folder) is locked while a
// window has it open, so that a second window on it is asked about first instead of the
// second save silently winning. The locks are lock files in the user's data folder,
// $XDG_DATA_HOME/soccer/locks, named by a hash of the locked path; the table's own folder is
// left alone (it may not be writable, and is the user's).
namespace soccer {

// The folder of the lock files; tests set another (an empty path restores the default).
QString lockFolder();
void setLockFolder(const QString &folder);

class TableLock {
  public:
    enum class State {
        Held,          // this program holds the lock
        HeldElsewhere, // a running program holds it
        NotHeld,       // read-only, or the lock file could not be made
    };

    // A lock on nothing, held by no one.
    TableLock();
    // Tries to take the lock on `path`. A lock left by a program that is no longer running
    // (killed, crashed) is taken over without a word.
    explicit TableLock(const QString &path);
    TableLock(TableLock &&) noexcept;
    TableLock &operator=(TableLock &&) noexcept;
    // Gives the lock back when held.
    ~TableLock();

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    QString path() const { return path_; }
    // Leaves the lock (a window opened read-only does not hold one).
    void release();

  private:
    QString path_;
    std::unique_ptr<QLockFile> file_;
    State state_ = State::NotHeld;
};

} // namespace soccer
