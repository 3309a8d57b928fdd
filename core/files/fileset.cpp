#include "core/files/fileset.h"

#include "core/files/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace soccer {

namespace {

// A rename that replaces its target in one step, as the file system promises for a rename
// within one folder; QFile::rename will not replace.
void replaceFile(const QString &from, const QString &to) {
    errno = 0;
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw CoreError(fileErrorNumber(errno, ErrDeviceIo), to);
}

// The renames are entries of the folder: they last through a power cut only once the folder
// itself is on the disk.
void syncFolder(const QDir &folder) {
    const int fd = ::open(QFile::encodeName(folder.absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A scratch file's error names the file the user knows.
CoreError aboutTarget(const CoreError &error, const QString &target) {
    return CoreError(error.number(), target, error.reason());
}

} // namespace

FileSet::FileSet(const QDir &folder, const QStringList &names, const QString &journalName)
    : folder_(folder), names_(names), journalName_(journalName) {}

void FileSet::save(const std::vector<QByteArray> &bytes) const {
    // A committed save left by a kill goes first, so that its scratch files are not taken
    // for this save's.
    finishUnfinished();
    writeScratchFiles(bytes);
    commitJournal();
    replaceAll();
}

void FileSet::writeScratchFiles(const std::vector<QByteArray> &bytes) const {
    for (int i = 0; i < names_.size(); ++i) {
        try {
            checkSaveTarget(target(i));
            writeScratchFile(scratch(i), bytes[std::size_t(i)]);
        } catch (const CoreError &error) {
            removeScratchFiles();
            throw SaveSetError(aboutTarget(error, target(i)), std::size_t(i), true);
        }
    }
}

// The journal itself is written under a scratch name and renamed: it is there whole or not
// at all. Its lines name the set for whoever looks into the folder.
void FileSet::commitJournal() const {
    const QString pending = journal() + QStringLiteral(".new");
    try {
        writeScratchFile(pending, (names_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        replaceFile(pending, journal());
    } catch (const CoreError &error) {
        QFile::remove(pending);
        removeScratchFiles();
        throw SaveSetError(error, std::size_t(names_.size()), true);
    }
    syncFolder(folder_);
}

// From here on the save is decided: a failure leaves the journal, and the next start (or the
// next save) completes what is left.
void FileSet::replaceAll() const {
    for (int i = 0; i < names_.size(); ++i) {
        try {
            replaceFile(scratch(i), target(i));
        } catch (const CoreError &error) {
            throw SaveSetError(error, std::size_t(i), false);
        }
    }
    syncFolder(folder_);
    QFile::remove(journal());
}

bool FileSet::removeScratchFiles() const {
    bool found = false;
    for (int i = 0; i < names_.size(); ++i)
        found = QFile::remove(scratch(i)) || found;
    return found;
}

// Completing renames the scratch files still there; those already renamed were renamed
// before the kill. Taking back removes the scratch files, and the journal's own scratch file,
// which is the journal not yet committed.
FileSet::Unfinished FileSet::finishUnfinished() const {
    const bool halfJournal = QFile::remove(journal() + QStringLiteral(".new"));
    if (!QFileInfo::exists(journal()))
        return removeScratchFiles() || halfJournal ? Unfinished::RolledBack : Unfinished::None;
    for (int i = 0; i < names_.size(); ++i)
        if (QFileInfo::exists(scratch(i)))
            replaceFile(scratch(i), target(i));
    syncFolder(folder_);
    QFile::remove(journal());
    return Unfinished::Completed;
}

} // namespace soccer
