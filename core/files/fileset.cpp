#include "core/files/fileset.h"

#include "core/files/wholefile.h"
#include "core/files/wholefile_native.h"

#include <QFile>
#include <QFileInfo>

namespace soccer {

namespace {

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
        wholefile::replaceFile(pending, journal());
    } catch (const CoreError &error) {
        QFile::remove(pending);
        removeScratchFiles();
        throw SaveSetError(error, std::size_t(names_.size()), true);
    }
    wholefile::syncFolder(folder_.absolutePath());
}

// From here on the save is decided: a failure leaves the journal, and the next start (or the
// next save) completes what is left.
void FileSet::replaceAll() const {
    for (int i = 0; i < names_.size(); ++i) {
        try {
            wholefile::replaceFile(scratch(i), target(i));
        } catch (const CoreError &error) {
            throw SaveSetError(error, std::size_t(i), false);
        }
    }
    wholefile::syncFolder(folder_.absolutePath());
    QFile::remove(journal());
}

bool FileSet::removeScratchFiles() const {
    bool found = false;
    for (int i = 0; i < names_.size(); ++i)
        found = QFile::remove(scratch(i)) || found;
    return found;
}

// The temporary files of scratch files and of the journal that a kill left while they were
// being written. Their names are the set's own, so nothing else can have made them.
bool FileSet::removeLeftTemporaries() const {
    QStringList patterns;
    for (const QString &name : names_)
        patterns << temporaryNamesOf(name + QStringLiteral(".new"));
    patterns << temporaryNamesOf(journalName_ + QStringLiteral(".new"));
    bool found = false;
    for (const QString &left : folder_.entryList(patterns, QDir::Files | QDir::Hidden))
        found = QFile::remove(folder_.filePath(left)) || found;
    return found;
}

// Completing renames the scratch files still there; those already renamed were renamed
// before the kill. Taking back removes the scratch files, and the journal's own scratch file,
// which is the journal not yet committed.
FileSet::Unfinished FileSet::finishUnfinished() const {
    const bool halfWritten = removeLeftTemporaries();
    const bool halfJournal = QFile::remove(journal() + QStringLiteral(".new"));
    if (!QFileInfo::exists(journal()))
        return removeScratchFiles() || halfJournal || halfWritten ? Unfinished::RolledBack
                                                                  : Unfinished::None;
    for (int i = 0; i < names_.size(); ++i)
        if (QFileInfo::exists(scratch(i)))
            wholefile::replaceFile(scratch(i), target(i));
    wholefile::syncFolder(folder_.absolutePath());
    QFile::remove(journal());
    return Unfinished::Completed;
}

} // namespace soccer
