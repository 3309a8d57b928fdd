// Whole-file access through POSIX calls: everything but Windows.
#include "core/files/wholefile.h"
#include "core/files/wholefile_native.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace soccer {

namespace wholefile {

namespace {

QString kindOfMode(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFDIR:
        return QStringLiteral("это папка");
    case S_IFIFO:
        return QStringLiteral("это именованный канал");
    case S_IFCHR:
    case S_IFBLK:
        return QStringLiteral("это устройство");
    case S_IFSOCK:
        return QStringLiteral("это сокет");
    default:
        return QString();
    }
}

// Only a plain file of a table's size is read: a folder, a pipe or a device is never opened,
// since opening a pipe waits for a writer and opening some devices does something.
void checkReadable(const struct stat &status, const QString &path) {
    if (!S_ISREG(status.st_mode))
        fail(ErrPathAccess, path, kindOfMode(status.st_mode));
    if (status.st_size > kLargestReadableFile)
        fail(ErrPathAccess, path, tooLargeReason());
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }

  private:
    int fd_;
};

QByteArray readAll(const Descriptor &file, qint64 expectedSize, const QString &path) {
    // One byte more than expected, so that the end of the file is seen without growing.
    QByteArray bytes(qsizetype(expectedSize) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > kLargestReadableFile) // it grew while being read
                fail(ErrPathAccess, path, tooLargeReason());
            bytes.resize(used + 65536);
        }
        const ssize_t got =
            ::read(file.fd(), bytes.data() + used, std::size_t(bytes.size() - used));
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR)
            failWithSystemError(errno, path, ErrDeviceIo);
        used += std::max<ssize_t>(got, 0);
    }
    bytes.resize(used);
    return bytes;
}

// The number of a failed write. Qt reports a full disk as a ResourceError only when nothing at
// all could be written; after a short write it says WriteError, and only errno, taken at
// once, still tells why.
[[noreturn]] void failWrite(QFileDevice::FileError error, int errnoValue, const QString &path) {
    if (error == QFileDevice::ResourceError)
        fail(ErrDiskFull, path, diskFullReason());
    failWithSystemError(errnoValue, path, ErrDeviceIo);
}

} // namespace

bool isLinkLoop(int systemError) {
    return systemError == ELOOP;
}

QByteArray readPlainFile(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        failWithSystemError(errno, path, ErrPathAccess);
    checkReadable(status, path);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        failWithSystemError(errno, path, ErrPathAccess);
    // The path may name another file by now; what counts is the one that was opened.
    if (::fstat(file.fd(), &status) != 0)
        failWithSystemError(errno, path, ErrDeviceIo);
    checkReadable(status, path);
    return readAll(file, status.st_size, path);
}

void replaceFile(const QString &from, const QString &to) {
    errno = 0;
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw CoreError(fileErrorNumber(errno, ErrDeviceIo), to);
}

void syncFolder(const QString &folder) {
    const Descriptor entries(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (entries.fd() >= 0)
        ::fsync(entries.fd());
}

// ---- TemporaryFile: QSaveFile, with every count checked and the bytes forced to the disk ----

struct TemporaryFile::Native {
    explicit Native(const QString &target) : file(target) {}
    QSaveFile file;
};

TemporaryFile::TemporaryFile(const QString &target)
    : target_(target), native_(std::make_unique<Native>(target)) {
    errno = 0;
    if (!native_->file.open(QIODevice::WriteOnly))
        failOpenForWriting(errno, target);
}

TemporaryFile::~TemporaryFile() = default; // an uncommitted QSaveFile removes its file

// Qt 6.4 keeps a small write in its buffer and reports it as written; when the flush inside
// commit() then fails for want of room, commit() still renames the empty temporary file over
// the target. So every count and a flush of our own are checked before anything is committed,
// and the bytes are forced to the disk, which on some file systems is where room runs out.
void TemporaryFile::write(const QByteArray &bytes) {
    QSaveFile &file = native_->file;
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError &&
                         (::fsync(file.handle()) == 0 || errno == EINVAL);
    const int errnoValue = errno;
    if (written)
        return;
    const QFileDevice::FileError error = file.error();
    file.cancelWriting();
    failWrite(error, errnoValue, target_);
}

void TemporaryFile::replaceTarget() {
    errno = 0;
    if (!native_->file.commit())
        failWrite(native_->file.error(), errno, target_);
}

} // namespace wholefile

int fileErrorNumber(int systemError, int otherwise) {
    switch (systemError) {
    case ENOENT:
        return ErrFileNotFound;
    case ENOTDIR:
        return ErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrPermissionDenied;
    case ENOSPC:
    case EDQUOT:
        return ErrDiskFull;
    case ELOOP:
    case EISDIR:
    case ENXIO:
    case ENODEV:
    case ETXTBSY:
        return ErrPathAccess;
    case ENAMETOOLONG:
        return ErrBadFileName;
    case EIO:
        return ErrDeviceIo;
    default:
        return otherwise;
    }
}

QString describePathKind(const QString &path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ELOOP ? wholefile::linkLoopReason() : QString();
    return wholefile::kindOfMode(status.st_mode);
}

} // namespace soccer
