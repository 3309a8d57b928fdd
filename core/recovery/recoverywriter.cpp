#include "core/recovery/recoverywriter.h"

#include "core/league/errors.h"

namespace soccer {

RecoveryWriter::RecoveryWriter(RecoveryStore store)
    : store_(std::move(store)), thread_([this] { work(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void RecoveryWriter::write(const QString &owner, MakeRecord make) {
    {
        const std::lock_guard lock(mutex_);
        for (Task &queued : tasks_) {
            if (queued.kind == Kind::Write && queued.owner == owner) {
                queued.make = std::move(make);
                return;
            }
        }
    }
    enqueue({Kind::Write, owner, std::move(make)});
}

void RecoveryWriter::remove(const QString &owner) {
    enqueue({Kind::Remove, owner, {}});
}

void RecoveryWriter::setAside(const QString &owner) {
    enqueue({Kind::SetAside, owner, {}});
}

void RecoveryWriter::finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

void RecoveryWriter::onWritten(Written written) {
    const std::lock_guard lock(mutex_);
    written_ = std::move(written);
}

void RecoveryWriter::enqueue(Task task) {
    {
        const std::lock_guard lock(mutex_);
        // A removal drops the writes of that owner still waiting: they would bring it back.
        if (task.kind != Kind::Write)
            std::erase_if(tasks_, [&task](const Task &queued) {
                return queued.kind == Kind::Write && queued.owner == task.owner;
            });
        tasks_.push_back(std::move(task));
    }
    changed_.notify_all();
}

// Ends only when asked to and nothing is left to do.
void RecoveryWriter::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty())
            return;
        const Task task = std::move(tasks_.front());
        tasks_.pop_front();
        busy_ = true;
        lock.unlock();
        run(task);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

// A copy that cannot be written (a full disk) is only a safety net missing: the table itself
// is still in the program and its own save says what is wrong.
void RecoveryWriter::run(const Task &task) {
    switch (task.kind) {
    case Kind::Write:
        try {
            store_.write(task.make());
        } catch (const CoreError &) {
            return;
        }
        break;
    case Kind::Remove:
        store_.remove(task.owner);
        return;
    case Kind::SetAside:
        store_.setAside(task.owner);
        return;
    }
    Written written;
    {
        const std::lock_guard lock(mutex_);
        written = written_;
    }
    if (written)
        written(task.owner);
}

} // namespace soccer
