#pragma once

// A real file system that runs out of room: a small tmpfs mounted on a temporary folder, which
// the tests fill before they save into it. Mounting needs root, as the tests run in CI; when it
// is not possible, mount() says why and the tests skip with that reason.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace fulldisk {

inline QString systemError(int errnoValue) {
    return QString::fromLocal8Bit(std::strerror(errnoValue));
}

class SmallDisk {
  public:
    SmallDisk() = default;
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;
    ~SmallDisk() { unmount(); }

    // Mounts a tmpfs of `bytes`; returns why it could not, or an empty text.
    QString mount(qint64 bytes) {
        if (geteuid() != 0)
            return QStringLiteral("mounting a small tmpfs needs root");
        if (!folder_.isValid())
            return QStringLiteral("no temporary folder for the mount");
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0)
            return QStringLiteral("mount -t tmpfs failed: ") + systemError(errno);
        mounted_ = true;
        return QString();
    }

    void unmount() {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
        mounted_ = false;
    }

    QString path(const QString &name = QString()) const {
        return name.isEmpty() ? folder_.path() : folder_.filePath(name);
    }

    // Removes everything, so that each test starts on an empty disk.
    void empty() const {
        QDir folder(folder_.path());
        for (const QFileInfo &entry :
             folder.entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (entry.isDir() && !entry.isSymLink())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
        }
    }

    // Takes every free byte but about `room` (tmpfs counts whole pages) with one file; false,
    // with a warning, when the disk did not end up full.
    bool fill(qint64 room = 0) const {
        const int fd = ::open(QFile::encodeName(path(kFiller)).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            qWarning("cannot create the filler: %s", std::strerror(errno));
            return false;
        }
        static const QByteArray chunk(64 * 1024, 'x');
        qint64 size = 0;
        int lastErrno = 0;
        for (qsizetype step = chunk.size(); step >= 1; step /= 2) {
            for (;;) {
                const ssize_t written = ::write(fd, chunk.constData(), std::size_t(step));
                if (written <= 0) {
                    lastErrno = errno;
                    break;
                }
                size += written;
            }
        }
        const bool freed = room == 0 || ::ftruncate(fd, size - room) == 0;
        ::close(fd);
        if (lastErrno != ENOSPC || !freed) {
            qWarning("the disk did not fill up: %s", std::strerror(lastErrno));
            return false;
        }
        return true;
    }

    // Every file on the disk but the filler, with its bytes.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found;
        for (const QString &name : QDir(path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name == kFiller)
                continue;
            QFile file(path(name));
            found[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
        }
        return found;
    }

    static inline const QString kFiller = QStringLiteral("filler");

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

} // namespace fulldisk
