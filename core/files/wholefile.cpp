#include "core/files/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace soccer {

namespace {

[[noreturn]] void failFile(int number, const QString &path, const QString &reason = QString()) {
    throw CoreError(number, path, reason);
}

void checkFileName(const QString &path) {
    if (path.isEmpty() || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?')))
        failFile(ErrBadFileName, path);
}

bool folderExists(const QFileInfo &file) {
    const QFileInfo folder(file.absolutePath());
    return folder.exists() && folder.isDir();
}

const QString kLinkLoop = QStringLiteral("ссылки образуют петлю");
const QString kDiskFull = QStringLiteral("диск переполнен");
const QString kTooLarge = QStringLiteral("файл больше 16 МБ, таблица не бывает такой большой");

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

// A failure that errno explains, with the words that say more than the number.
[[noreturn]] void failWithErrno(int errnoValue, const QString &path, int otherwise) {
    int number = fileErrorNumber(errnoValue, otherwise);
    if (number == ErrFileNotFound && !folderExists(QFileInfo(path)))
        number = ErrPathNotFound;
    QString reason;
    if (errnoValue == ELOOP)
        reason = kLinkLoop;
    else if (number == ErrDiskFull)
        reason = kDiskFull;
    failFile(number, path, reason);
}

// The number of a failed write. Qt reports a full disk as a ResourceError only when nothing at
// all could be written; after a short write it says WriteError, and only errno, taken at
// once, still tells why.
[[noreturn]] void failWrite(QFileDevice::FileError error, int errnoValue, const QString &path) {
    if (error == QFileDevice::ResourceError)
        failFile(ErrDiskFull, path, kDiskFull);
    failWithErrno(errnoValue, path, ErrDeviceIo);
}

[[noreturn]] void failOpenForWriting(int errnoValue, const QString &path) {
    const bool folderWritable = QFileInfo(QFileInfo(path).absolutePath()).isWritable();
    failWithErrno(errnoValue, path, folderWritable ? ErrPathAccess : ErrPermissionDenied);
}

// Only a plain file of a table's size is read: a folder, a pipe or a device is never opened,
// since opening a pipe waits for a writer and opening some devices does something.
void checkReadable(const struct stat &status, const QString &path) {
    if (!S_ISREG(status.st_mode))
        failFile(ErrPathAccess, path, kindOfMode(status.st_mode));
    if (status.st_size > kLargestReadableFile)
        failFile(ErrPathAccess, path, kTooLarge);
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
                failFile(ErrPathAccess, path, kTooLarge);
            bytes.resize(used + 65536);
        }
        const ssize_t got =
            ::read(file.fd(), bytes.data() + used, std::size_t(bytes.size() - used));
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR)
            failWithErrno(errno, path, ErrDeviceIo);
        used += std::max<ssize_t>(got, 0);
    }
    bytes.resize(used);
    return bytes;
}

} // namespace

// Only a plain file is ours to replace: never a folder or a device.
void checkSaveTarget(const QString &path) {
    checkFileName(path);
    const QFileInfo info(path);
    if (!folderExists(info))
        failFile(ErrPathNotFound, path);
    if (const QString kind = describePathKind(path); !kind.isEmpty())
        failFile(ErrPathAccess, path, kind);
    if (info.exists() && !info.isWritable())
        failFile(ErrPermissionDenied, path);
}

int fileErrorNumber(int errnoValue, int otherwise) {
    switch (errnoValue) {
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
        return errno == ELOOP ? kLinkLoop : QString();
    return kindOfMode(status.st_mode);
}

QByteArray readWholeFile(const QString &path) {
    checkFileName(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        failWithErrno(errno, path, ErrPathAccess);
    checkReadable(status, path);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        failWithErrno(errno, path, ErrPathAccess);
    // The path may name another file by now; what counts is the one that was opened.
    if (::fstat(file.fd(), &status) != 0)
        failWithErrno(errno, path, ErrDeviceIo);
    checkReadable(status, path);
    return readAll(file, status.st_size, path);
}

// ---- PendingFile ----

PendingFile::PendingFile(const QString &path, const QByteArray &bytes)
    : path_(path), file_(std::make_unique<QSaveFile>(path)) {
    checkSaveTarget(path);
    errno = 0;
    if (!file_->open(QIODevice::WriteOnly))
        failOpenForWriting(errno, path);
    writeAll(bytes);
}

PendingFile::PendingFile(PendingFile &&) noexcept = default;
PendingFile &PendingFile::operator=(PendingFile &&) noexcept = default;
PendingFile::~PendingFile() = default;

// Qt 6.4 keeps a small write in its buffer and reports it as written; when the flush inside
// commit() then fails for want of room, commit() still renames the empty temporary file over
// the target. So every count and a flush of our own are checked before anything is committed,
// and the bytes are forced to the disk, which on some file systems is where room runs out.
void PendingFile::writeAll(const QByteArray &bytes) {
    errno = 0;
    const bool written = file_->write(bytes) == bytes.size() && file_->flush() &&
                         file_->error() == QFileDevice::NoError &&
                         (::fsync(file_->handle()) == 0 || errno == EINVAL);
    const int errnoValue = errno;
    if (written)
        return;
    const QFileDevice::FileError error = file_->error();
    file_->cancelWriting();
    failWrite(error, errnoValue, path_);
}

void PendingFile::commit() {
    errno = 0;
    if (!file_->commit())
        failWrite(file_->error(), errno, path_);
}

// The same checks as a pending file's, so that a full disk reads the same either way.
void writeScratchFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        failOpenForWriting(errno, path);
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError &&
                         (::fsync(file.handle()) == 0 || errno == EINVAL);
    const int errnoValue = errno;
    if (written)
        return;
    const QFileDevice::FileError error = file.error();
    file.close();
    QFile::remove(path);
    failWrite(error, errnoValue, path);
}

void saveWholeFile(const QString &path, const QByteArray &bytes) {
    PendingFile(path, bytes).commit();
}

// ---- Saving several files as one ----

SaveSetError::SaveSetError(const CoreError &cause, std::size_t failedFile, bool setUnchanged)
    : CoreError(cause), failedFile_(failedFile), setUnchanged_(setUnchanged) {}

namespace {

std::vector<std::optional<QByteArray>> bytesNow(const std::vector<FileToSave> &files) {
    std::vector<std::optional<QByteArray>> bytes;
    for (const FileToSave &file : files) {
        try {
            bytes.emplace_back(readWholeFile(file.path));
        } catch (const CoreError &) {
            bytes.emplace_back(); // no file yet: taking the save back means removing it
        }
    }
    return bytes;
}

// Gives files 0..count-1 back the bytes they held; true when every one of them has them.
bool putBack(const std::vector<FileToSave> &files,
             const std::vector<std::optional<QByteArray>> &old, std::size_t count) {
    bool restored = true;
    for (std::size_t i = 0; i < count; ++i) {
        try {
            if (old[i])
                saveWholeFile(files[i].path, *old[i]);
            else
                restored = QFile::remove(files[i].path) && restored;
        } catch (const CoreError &) {
            restored = false;
        }
    }
    return restored;
}

} // namespace

void saveTogether(const std::vector<FileToSave> &files) {
    std::vector<PendingFile> pending;
    pending.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            pending.emplace_back(files[i].path, files[i].bytes);
        } catch (const CoreError &error) {
            throw SaveSetError(error, i, true);
        }
    }
    const auto old = bytesNow(files);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        try {
            pending[i].commit();
        } catch (const CoreError &error) {
            throw SaveSetError(error, i, putBack(files, old, i));
        }
    }
}

} // namespace soccer
