#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// What whole-file access asks of the operating system, in one shape for both: POSIX calls in
// wholefile_posix.cpp, Win32 calls (wide-character paths, FlushFileBuffers, MoveFileExW) in
// wholefile_windows.cpp. wholefile.cpp holds the rules both keep.
namespace soccer::wholefile {

[[noreturn]] void fail(int number, const QString &path, const QString &reason = QString());
// A failure that a system error explains (errno, or GetLastError() on Windows), with the words
// that say more than the number.
[[noreturn]] void failWithSystemError(int systemError, const QString &path, int otherwise);
// A temporary file that could not be made beside `path`.
[[noreturn]] void failOpenForWriting(int systemError, const QString &path);

// The reasons given with error 75 and 61.
QString linkLoopReason();
QString diskFullReason();
QString tooLargeReason();

// Whether the system error says that links lead round in a loop.
bool isLinkLoop(int systemError);

// `from` takes the place of the file `to` in one step, replacing it; a CoreError about `to`
// otherwise. For files of one folder, so that the rename is a single entry of it.
void replaceFile(const QString &from, const QString &to);
// The renames in a folder last through a power cut only once the folder is on the disk; on
// Windows each rename is written through already.
void syncFolder(const QString &folder);

// The bytes of the plain file at `path`, whose name is checked already.
QByteArray readPlainFile(const QString &path);

// A temporary file beside a save's target. Destroyed before replaceTarget() has succeeded, it
// is removed and the target stays as it was.
class TemporaryFile {
  public:
    explicit TemporaryFile(const QString &target);
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile();

    // Every byte written and on the disk, or a CoreError.
    void write(const QByteArray &bytes);
    // The temporary file takes the target's place in one step.
    void replaceTarget();

  private:
    struct Native;
    QString target_;
    std::unique_ptr<Native> native_;
};

} // namespace soccer::wholefile
