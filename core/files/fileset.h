#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <vector>

// Files of one folder that belong together and are saved as one, the way a database commits:
// each new file is first written whole beside its old one under a scratch name (s.dat.new),
// then a journal naming the set is put in place at once by a rename, and only then do the new
// files take the old ones' places; the journal goes last. Whatever moment a kill or a power cut
// strikes, the journal tells the next start what to do before anything is read: with it, every
// new file was whole and the save is completed; without it, the save had not begun to replace
// anything and its scratch files are removed.
namespace soccer {

class FileSet {
  public:
    // What the next start found of a save that did not finish.
    enum class Unfinished { None, Completed, RolledBack };

    FileSet(const QDir &folder, const QStringList &names, const QString &journalName);

    // Saves bytes[i] as names[i]. Throws SaveSetError naming the file that failed (the
    // journal's index is names.size()); the old files then stay, unless the replacing itself
    // failed, in which case the journal stays for the next start to complete.
    void save(const std::vector<QByteArray> &bytes) const;

    // Completes or takes back a save that a kill interrupted. Throws CoreError when a
    // committed save cannot be completed; its journal then stays.
    Unfinished finishUnfinished() const;

    QString journalName() const { return journalName_; }

  private:
    QString target(int i) const { return folder_.filePath(names_[i]); }
    QString scratch(int i) const { return target(i) + QStringLiteral(".new"); }
    QString journal() const { return folder_.filePath(journalName_); }

    void writeScratchFiles(const std::vector<QByteArray> &bytes) const;
    void commitJournal() const;
    void replaceAll() const;
    bool removeScratchFiles() const;
    bool removeLeftTemporaries() const;

    QDir folder_;
    QStringList names_;
    QString journalName_;
};

} // namespace soccer
