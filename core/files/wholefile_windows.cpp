// Whole-file access through Win32 calls. Paths go to the system as wide characters, so that a
// Cyrillic folder opens whatever the ANSI code page; the bytes are forced to the disk with
// FlushFileBuffers, and the temporary file takes the target's place with MoveFileExW, which
// replaces it in one step and returns only when the move is on the disk.
#include "core/files/wholefile.h"
#include "core/files/wholefile_native.h"

#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <windows.h>

namespace soccer {

namespace wholefile {

namespace {

std::wstring nativePath(const QString &path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

int lastError() {
    return int(::GetLastError());
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    ~Handle() { close(); }

    void reset(HANDLE handle) {
        close();
        handle_ = handle;
    }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !isOpen() || ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

// Opened without any right to read or write, only to ask what the path is: that does nothing
// to a device or a pipe. FILE_FLAG_BACKUP_SEMANTICS lets a folder be opened too.
HANDLE openToLook(const QString &path) {
    return ::CreateFileW(nativePath(path).c_str(), 0,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

QString kindOfHandle(HANDLE handle) {
    switch (::GetFileType(handle)) {
    case FILE_TYPE_CHAR:
        return QStringLiteral("это устройство");
    case FILE_TYPE_PIPE:
        return QStringLiteral("это именованный канал");
    case FILE_TYPE_DISK:
        break;
    default:
        return QStringLiteral("это устройство");
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileInformationByHandle(handle, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return QStringLiteral("это папка");
    return QString();
}

qint64 sizeOf(HANDLE handle, const QString &path) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle, &size))
        failWithSystemError(lastError(), path, ErrDeviceIo);
    return size.QuadPart;
}

QByteArray readAll(HANDLE handle, qint64 expectedSize, const QString &path) {
    // One byte more than expected, so that the end of the file is seen without growing.
    QByteArray bytes(qsizetype(expectedSize) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > kLargestReadableFile) // it grew while being read
                fail(ErrPathAccess, path, tooLargeReason());
            bytes.resize(used + 65536);
        }
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data() + used, DWORD(bytes.size() - used), &got, nullptr))
            failWithSystemError(lastError(), path, ErrDeviceIo);
        if (got == 0)
            break;
        used += qsizetype(got);
    }
    bytes.resize(used);
    return bytes;
}

// A name of its own beside the target, as QSaveFile makes one: the target's name and six
// random letters.
QString temporaryName(const QString &target) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(36)]);
    return name;
}

} // namespace

bool isLinkLoop(int systemError) {
    return systemError == ERROR_CANT_RESOLVE_FILENAME;
}

// Only a plain file of a table's size is read; what the path is, is asked of the file opened,
// so that a path that names another file by now cannot slip past.
QByteArray readPlainFile(const QString &path) {
    const Handle file(::CreateFileW(nativePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.isOpen())
        failWithSystemError(lastError(), path, ErrPathAccess);
    if (const QString kind = kindOfHandle(file.get()); !kind.isEmpty())
        fail(ErrPathAccess, path, kind);
    const qint64 size = sizeOf(file.get(), path);
    if (size > kLargestReadableFile)
        fail(ErrPathAccess, path, tooLargeReason());
    return readAll(file.get(), size, path);
}

// ---- TemporaryFile ----

struct TemporaryFile::Native {
    QString name;
    Handle file{INVALID_HANDLE_VALUE};
    bool replaced = false;
};

TemporaryFile::TemporaryFile(const QString &target)
    : target_(target), native_(std::make_unique<Native>()) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        native_->name = temporaryName(target);
        HANDLE handle = ::CreateFileW(nativePath(native_->name).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            native_->file.reset(handle);
            return;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    const int error = lastError();
    native_->name.clear();
    failOpenForWriting(error, target);
}

TemporaryFile::~TemporaryFile() {
    native_->file.close();
    if (!native_->replaced && !native_->name.isEmpty())
        ::DeleteFileW(nativePath(native_->name).c_str());
}

void TemporaryFile::write(const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD part = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!::WriteFile(native_->file.get(), bytes.constData() + done, part, &wrote, nullptr) ||
            wrote == 0)
            failWithSystemError(lastError(), target_, ErrDeviceIo);
        done += qsizetype(wrote);
    }
    // Some file systems find out only here that there is no room.
    if (!::FlushFileBuffers(native_->file.get()) || !native_->file.close())
        failWithSystemError(lastError(), target_, ErrDeviceIo);
}

void TemporaryFile::replaceTarget() {
    if (!::MoveFileExW(nativePath(native_->name).c_str(), nativePath(target_).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failWithSystemError(lastError(), target_, ErrPathAccess);
    native_->replaced = true;
}

void replaceFile(const QString &from, const QString &to) {
    if (!::MoveFileExW(nativePath(from).c_str(), nativePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CoreError(fileErrorNumber(lastError(), ErrDeviceIo), to);
}

void syncFolder(const QString &) {}

} // namespace wholefile

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers do not name.
constexpr DWORD kDiskQuotaExceeded = 1295;

int fileErrorNumber(int systemError, int otherwise) {
    switch (DWORD(systemError)) {
    case ERROR_FILE_NOT_FOUND:
        return ErrFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
        return ErrPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return ErrPermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded:
        return ErrDiskFull;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ErrPathAccess;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return ErrBadFileName;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
        return ErrDeviceIo;
    default:
        return otherwise;
    }
}

QString describePathKind(const QString &path) {
    wholefile::Handle file(wholefile::openToLook(path));
    if (!file.isOpen())
        return wholefile::isLinkLoop(wholefile::lastError()) ? wholefile::linkLoopReason()
                                                             : QString();
    return wholefile::kindOfHandle(file.get());
}

} // namespace soccer
