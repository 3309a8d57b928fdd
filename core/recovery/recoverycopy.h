#pragma once

#include "core/files/filefingerprint.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The recovery copy: what a document holds and has not saved, kept in the user's data folder
// as it changes, so that a program that dies without asking (a kill, a power cut, a crash)
// loses nothing. A document of one file (a table) keeps one part; a document of several files
// (the classic edition's komand.dat, s.dat and file.dat) keeps one part a file, all in one
// copy, so that they come back together.
namespace soccer {

// One file of the document as it stands in the program.
struct RecoveryPart {
    QString path;               // the file these bytes are the unsaved state of
    QByteArray bytes;           // the file's bytes as a save would write them now
    FileFingerprint loadedFrom; // the file as the document last read or wrote it

    bool operator==(const RecoveryPart &) const = default;
};

struct RecoveryRecord {
    QString owner;   // what the copy belongs to: the table's path, the classic league's folder
    QDateTime taken; // when the copy was taken
    std::vector<RecoveryPart> parts;

    // True when a file of the document has been written (or removed) since the document read
    // or saved it: restoring the copy would then drop what was written there.
    bool filesChangedSince() const;
    bool operator==(const RecoveryRecord &) const = default;
};

// The copy's bytes: a header, the record, and a hash of the record, so that a copy that is
// cut short or damaged on the disk is known as such instead of read as something else.
QByteArray encodeRecovery(const RecoveryRecord &record);
std::optional<RecoveryRecord> decodeRecovery(const QByteArray &bytes);

// The folder of the copies: $XDG_DATA_HOME/soccer/recovery (~/.local/share when unset), for
// both programs. Tests set another (an empty path restores the default).
QString recoveryFolder();
void setRecoveryFolder(const QString &folder);

// What a look for copies found. A damaged copy is set aside on the look that finds it and
// named here once; it is never found again and never stops the start.
struct RecoveryFound {
    std::vector<RecoveryRecord> records;
    QStringList damaged; // where each damaged copy was set aside
};

// The copies in one folder, one per owner: <key>.recovery, where key is a hash of the owner.
// Setting a copy aside renames it to <key>.recovery.old, which replaces the one older copy of
// that owner kept there before.
class RecoveryStore {
  public:
    explicit RecoveryStore(QString folder = recoveryFolder());

    QString copyPath(const QString &owner) const;
    QString asidePath(const QString &owner) const;

    // Written whole through a temporary file that takes the copy's place only when every byte
    // is on the disk: a kill while writing leaves the previous copy or this one, whole.
    // Throws CoreError.
    void write(const RecoveryRecord &record) const;
    void remove(const QString &owner) const;
    // Keeps the copy as the owner's older copy; true when there was one to keep.
    bool setAside(const QString &owner) const;

    // The copy of one owner, or every copy in the folder.
    RecoveryFound find(const QString &owner) const;
    RecoveryFound findAll() const;

  private:
    void readInto(const QString &path, RecoveryFound &found) const;

    QString folder_;
};

} // namespace soccer
