#pragma once

#include "core/recovery/recoverycopy.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace soccer {

// Keeps the recovery copies of a program on a thread of their own, so that writing one (with
// its flush to the disk) never holds up the entry of the next result. The work is done in the
// order it was asked for; a write of an owner that has not begun yet is replaced by a newer
// one, since only the latest state is worth a copy.
class RecoveryWriter {
  public:
    using MakeRecord = std::function<RecoveryRecord()>;
    using Written = std::function<void(const QString &owner)>;

    explicit RecoveryWriter(RecoveryStore store = RecoveryStore());
    // Finishes what was asked for, so that a removal asked for on exit is done before the
    // program ends.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    // `make` runs on the writer's thread: it must own everything it reads.
    void write(const QString &owner, MakeRecord make);
    void remove(const QString &owner);
    void setAside(const QString &owner);
    // Waits until everything asked for so far is on the disk.
    void finish();
    // Called on the writer's thread after each copy is written.
    void onWritten(Written written);

    const RecoveryStore &store() const { return store_; }

  private:
    enum class Kind { Write, Remove, SetAside };
    struct Task {
        Kind kind;
        QString owner;
        MakeRecord make;
    };

    void enqueue(Task task);
    void work();
    void run(const Task &task);

    RecoveryStore store_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    Written written_;
    std::thread thread_;
};

} // namespace soccer
