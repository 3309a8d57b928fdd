#include "core/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <optional>
#include <unistd.h>

namespace soccer {

namespace {

[[noreturn]] void failFile(int number, const QString &path) {
    throw CoreError(number, path);
}

void checkFileName(const QString &path) {
    if (path.isEmpty() || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?')))
        failFile(ErrBadFileName, path);
}

bool folderExists(const QFileInfo &file) {
    const QFileInfo folder(file.absolutePath());
    return folder.exists() && folder.isDir();
}

bool meansDiskFull(int errnoValue) {
    return errnoValue == ENOSPC || errnoValue == EDQUOT;
}

// The number of a failed write. Qt reports a full disk as a ResourceError only when nothing at
// all could be written; after a short write it says WriteError, and only errno, taken at
// once, still tells why.
int writeFailureNumber(QFileDevice::FileError error, int errnoValue) {
    if (error == QFileDevice::ResourceError || meansDiskFull(errnoValue))
        return ErrDiskFull;
    return ErrDeviceIo;
}

CoreError writeFailure(int number, const QString &path) {
    return CoreError(number, path,
                     number == ErrDiskFull ? QStringLiteral("диск переполнен") : QString());
}

// Only a plain file is ours to replace: never a folder or a device.
void checkSaveTarget(const QString &path) {
    checkFileName(path);
    const QFileInfo info(path);
    if (!folderExists(info))
        failFile(ErrPathNotFound, path);
    if (info.exists() && !info.isFile())
        failFile(ErrPathAccess, path);
    if (info.exists() && !info.isWritable())
        failFile(ErrPermissionDenied, path);
}

int openForWritingFailureNumber(const QString &path, int errnoValue) {
    if (meansDiskFull(errnoValue))
        return ErrDiskFull;
    const bool folderWritable = QFileInfo(QFileInfo(path).absolutePath()).isWritable();
    return folderWritable ? ErrPathAccess : ErrPermissionDenied;
}

} // namespace

QByteArray readWholeFile(const QString &path) {
    checkFileName(path);
    const QFileInfo info(path);
    if (!info.exists())
        failFile(folderExists(info) ? ErrFileNotFound : ErrPathNotFound, path);
    if (!info.isFile())
        failFile(ErrPathAccess, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failFile(file.error() == QFileDevice::PermissionsError ? ErrPermissionDenied
                                                               : ErrPathAccess,
                 path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        failFile(ErrDeviceIo, path);
    return bytes;
}

// ---- PendingFile ----

PendingFile::PendingFile(const QString &path, const QByteArray &bytes)
    : path_(path), file_(std::make_unique<QSaveFile>(path)) {
    checkSaveTarget(path);
    errno = 0;
    if (!file_->open(QIODevice::WriteOnly)) {
        const int errnoValue = errno;
        throw writeFailure(openForWritingFailureNumber(path, errnoValue), path);
    }
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
    const int number = writeFailureNumber(file_->error(), errnoValue);
    file_->cancelWriting();
    throw writeFailure(number, path_);
}

void PendingFile::commit() {
    errno = 0;
    if (!file_->commit()) {
        const int errnoValue = errno;
        throw writeFailure(writeFailureNumber(file_->error(), errnoValue), path_);
    }
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
