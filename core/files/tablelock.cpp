#include "core/files/tablelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <utility>

namespace soccer {

namespace {

QString &folderOverride() {
    static QString folder;
    return folder;
}

QString lockFileFor(const QString &path) {
    const QString canonical = QFileInfo(path).absoluteFilePath();
    const QByteArray key =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return lockFolder() + QLatin1Char('/') + QString::fromLatin1(key) + QStringLiteral(".lock");
}

} // namespace

QString lockFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/soccer/locks");
}

void setLockFolder(const QString &folder) {
    folderOverride() = folder;
}

TableLock::TableLock() = default;

// A window keeps its table open for hours, so a lock is never stale for its age: only a lock
// whose program is no longer running is, and QLockFile takes that over by itself.
TableLock::TableLock(const QString &path) : path_(path) {
    QDir().mkpath(lockFolder());
    file_ = std::make_unique<QLockFile>(lockFileFor(path));
    file_->setStaleLockTime(0);
    if (file_->tryLock(0))
        state_ = State::Held;
    else if (file_->error() == QLockFile::LockFailedError)
        state_ = State::HeldElsewhere;
}

TableLock::TableLock(TableLock &&) noexcept = default;
TableLock &TableLock::operator=(TableLock &&other) noexcept {
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        file_ = std::move(other.file_);
        state_ = std::exchange(other.state_, State::NotHeld);
    }
    return *this;
}

TableLock::~TableLock() {
    release();
}

void TableLock::release() {
    if (state_ == State::Held && file_)
        file_->unlock();
    state_ = State::NotHeld;
}

} // namespace soccer
