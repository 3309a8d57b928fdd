#include "core/files/wholefile.h"

#include "core/files/wholefile_native.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace soccer {

namespace wholefile {

void fail(int number, const QString &path, const QString &reason) {
    throw CoreError(number, path, reason);
}

QString linkLoopReason() {
    return QStringLiteral("ссылки образуют петлю");
}

QString diskFullReason() {
    return QStringLiteral("диск переполнен");
}

QString tooLargeReason() {
    return QStringLiteral("файл больше 16 МБ, таблица не бывает такой большой");
}

namespace {

bool folderExists(const QFileInfo &file) {
    const QFileInfo folder(file.absolutePath());
    return folder.exists() && folder.isDir();
}

} // namespace

void failWithSystemError(int systemError, const QString &path, int otherwise) {
    int number = fileErrorNumber(systemError, otherwise);
    if (number == ErrFileNotFound && !folderExists(QFileInfo(path)))
        number = ErrPathNotFound;
    QString reason;
    if (isLinkLoop(systemError))
        reason = linkLoopReason();
    else if (number == ErrDiskFull)
        reason = diskFullReason();
    fail(number, path, reason);
}

void failOpenForWriting(int systemError, const QString &path) {
    const bool folderWritable = QFileInfo(QFileInfo(path).absolutePath()).isWritable();
    failWithSystemError(systemError, path, folderWritable ? ErrPathAccess : ErrPermissionDenied);
}

namespace {

void checkFileName(const QString &path) {
    if (path.isEmpty() || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?')))
        fail(ErrBadFileName, path);
}

} // namespace

} // namespace wholefile

// Only a plain file is ours to replace: never a folder or a device.
void checkSaveTarget(const QString &path) {
    wholefile::checkFileName(path);
    const QFileInfo info(path);
    if (!wholefile::folderExists(info))
        wholefile::fail(ErrPathNotFound, path);
    if (const QString kind = describePathKind(path); !kind.isEmpty())
        wholefile::fail(ErrPathAccess, path, kind);
    if (info.exists() && !info.isWritable())
        wholefile::fail(ErrPermissionDenied, path);
}

QByteArray readWholeFile(const QString &path) {
    wholefile::checkFileName(path);
    return wholefile::readPlainFile(path);
}

// ---- PendingFile ----

PendingFile::PendingFile(const QString &path, const QByteArray &bytes) {
    checkSaveTarget(path);
    file_ = std::make_unique<wholefile::TemporaryFile>(path);
    file_->write(bytes);
}

PendingFile::PendingFile(PendingFile &&) noexcept = default;
PendingFile &PendingFile::operator=(PendingFile &&) noexcept = default;
PendingFile::~PendingFile() = default;

void PendingFile::commit() {
    file_->replaceTarget();
}

void saveWholeFile(const QString &path, const QByteArray &bytes) {
    PendingFile(path, bytes).commit();
}

// Written as every save is, through a temporary file: a scratch file is then whole or absent.
void writeScratchFile(const QString &path, const QByteArray &bytes) {
    saveWholeFile(path, bytes);
}

QString temporaryNamesOf(const QString &fileName) {
    return fileName + QStringLiteral(".??????");
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
