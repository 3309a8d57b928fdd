#pragma once

#include "core/league/errors.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

// Whole-file access: a file is read at once, and written through a temporary file beside it
// that takes the old file's place only when every byte is on the disk, so that a failed save
// leaves the old file as it was, byte for byte. Failures are CoreError with the error number
// the user is shown: 53 file not found, 76 path not found, 70 permission denied, 75 not a
// usable file, 52 a name with wildcards or no name, 61 disk full, 57 device error.
namespace soccer {

namespace wholefile {
class TemporaryFile;
}

// The largest file that is read: a table of 99 teams with long names is about 150 KB, so
// anything much larger is not one, and reading it would only fill the memory.
constexpr qint64 kLargestReadableFile = 16 * 1024 * 1024;

// Reads a plain file of at most kLargestReadableFile bytes. Anything else is refused before it
// is opened, with 75 and a reason: describePathKind's words, or "файл больше 16 МБ".
QByteArray readWholeFile(const QString &path);
void saveWholeFile(const QString &path, const QByteArray &bytes);

// What stands at a path that is not a plain file, in the user's words: "это папка", "это
// именованный канал", "это устройство", "это сокет", or "ссылки образуют петлю"; empty for a
// plain file and for nothing at all.
QString describePathKind(const QString &path);

// The error number for a system error of opening, reading or writing a file (errno; on Windows
// GetLastError()); `otherwise` for one that has no number of its own.
int fileErrorNumber(int systemError, int otherwise);

// One file of a save. The constructor writes every byte into a temporary file beside the
// target and flushes it; commit() puts it in the target's place. Destroyed uncommitted, it
// removes the temporary file and leaves the target as it was.
class PendingFile {
  public:
    PendingFile(const QString &path, const QByteArray &bytes);
    PendingFile(PendingFile &&) noexcept;
    PendingFile &operator=(PendingFile &&) noexcept;
    ~PendingFile();

    void commit();

  private:
    std::unique_ptr<wholefile::TemporaryFile> file_;
};

// Throws the CoreError a save to `path` meets before a byte is written: a bad name, a missing
// folder, something that is not a plain file, or a file that may not be written.
void checkSaveTarget(const QString &path);

// Writes every byte into `path` and forces them to the disk, as a save does: a kill on the
// way leaves the file as it was or absent. For a scratch file that is used only once
// something else (a journal) says it is in place.
void writeScratchFile(const QString &path, const QByteArray &bytes);

// The names a save of `fileName` gives its temporary file beside it, as a QDir name filter: the
// name, a dot and six letters or digits. Where the system cannot keep that file unnamed until it
// is complete (Windows), a kill during the save leaves it behind.
QString temporaryNamesOf(const QString &fileName);

struct FileToSave {
    QString path;
    QByteArray bytes;
};

// A failed save of several files: which of them failed, and whether every one of them still
// holds the bytes it held before the save.
class SaveSetError : public CoreError {
  public:
    SaveSetError(const CoreError &cause, std::size_t failedFile, bool setUnchanged);

    std::size_t failedFile() const { return failedFile_; }
    bool setUnchanged() const { return setUnchanged_; }

  private:
    std::size_t failedFile_;
    bool setUnchanged_;
};

// Saves several files as one: every file is written and flushed first, and the old files are
// replaced only when all of them are. When one cannot be written, none is replaced. Replacing
// is a rename and does not fail for want of room; should one fail anyway, the files already
// replaced get their old bytes back. Throws SaveSetError.
void saveTogether(const std::vector<FileToSave> &files);

} // namespace soccer
