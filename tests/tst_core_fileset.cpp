// A set of files saved as one through a journal: what the next start does with every state a
// kill can leave behind, and a save that finds such a state.
#include "core/files/fileset.h"
#include "core/files/wholefile.h"
#include "tst_kit.h"

#include <QTemporaryDir>
#include <QtTest>

using soccer::FileSet;
using testkit::fileBytes;
using testkit::putFile;
using Unfinished = FileSet::Unfinished;

Q_DECLARE_METATYPE(FileSet::Unfinished)

namespace {

const QStringList kNames = {"a.dat", "b.dat", "c.dat"};
const QString kJournal = QStringLiteral("set.journal");

QByteArray oldBytes(const QString &name) {
    return "old " + name.toUtf8();
}
QByteArray newBytes(const QString &name) {
    return "new " + name.toUtf8();
}

} // namespace

class TestFileSet : public QObject {
    Q_OBJECT

  private slots:
    void nextStartFinishesWhatAKillLeft_data();
    void nextStartFinishesWhatAKillLeft();
    void saveCompletesAnEarlierCommittedSaveFirst();
};

// Each row is a moment of a save: which files already hold their new bytes (renamed), which
// have a scratch file (written, not yet renamed; a last one possibly half written), and
// whether the journal is committed or half written.
void TestFileSet::nextStartFinishesWhatAKillLeft_data() {
    QTest::addColumn<QString>("renamed"); // letters of the files already replaced
    QTest::addColumn<QString>("scratch"); // letters of the scratch files lying there
    QTest::addColumn<QString>("journal"); // "", "half" or "whole"
    QTest::addColumn<Unfinished>("found");
    QTest::addColumn<bool>("allNew");
    // A temporary file of a scratch file or of the journal, as a save killed while writing it
    // leaves on Windows (elsewhere it has no name until it is whole).
    QTest::addColumn<QString>("temporary");

    QTest::newRow("no save") << ""
                             << ""
                             << "" << Unfinished::None << false << QString();
    QTest::newRow("first scratch half written")
        << ""
        << "a"
        << "" << Unfinished::RolledBack << false << QString();
    QTest::newRow("all scratch files written")
        << ""
        << "abc"
        << "" << Unfinished::RolledBack << false << QString();
    QTest::newRow("journal half written") << ""
                                          << "abc"
                                          << "half" << Unfinished::RolledBack << false << QString();
    QTest::newRow("journal committed") << ""
                                       << "abc"
                                       << "whole" << Unfinished::Completed << true << QString();
    QTest::newRow("one file replaced") << "a"
                                       << "bc"
                                       << "whole" << Unfinished::Completed << true << QString();
    QTest::newRow("all replaced, journal left")
        << "abc"
        << ""
        << "whole" << Unfinished::Completed << true << QString();
    QTest::newRow("a scratch file's temporary left")
        << ""
        << ""
        << "" << Unfinished::RolledBack << false << "b.dat.new.k3x9qz";
    QTest::newRow("the journal's temporary left")
        << ""
        << "abc"
        << "" << Unfinished::RolledBack << false << "set.journal.new.0a1b2c";
}

void TestFileSet::nextStartFinishesWhatAKillLeft() {
    QFETCH(QString, renamed);
    QFETCH(QString, scratch);
    QFETCH(QString, journal);
    QFETCH(Unfinished, found);
    QFETCH(bool, allNew);
    QFETCH(QString, temporary);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    for (const QString &name : kNames) {
        const QString letter = name.left(1);
        putFile(dir.filePath(name), renamed.contains(letter) ? newBytes(name) : oldBytes(name));
        if (scratch.contains(letter))
            putFile(dir.filePath(name + ".new"), newBytes(name));
    }
    if (journal == "half")
        putFile(dir.filePath(kJournal + ".new"), "a.d");
    if (journal == "whole")
        putFile(dir.filePath(kJournal), "a.dat\nb.dat\nc.dat\n");

    if (!temporary.isEmpty())
        putFile(dir.filePath(temporary), "new");

    const FileSet set(dir, kNames, kJournal);
    QCOMPARE(set.finishUnfinished(), found);
    for (const QString &name : kNames)
        QCOMPARE(fileBytes(dir.filePath(name)), allNew ? newBytes(name) : oldBytes(name));
    QCOMPARE(dir.entryList(QDir::Files), kNames); // nothing of the save is left
    QCOMPARE(set.finishUnfinished(), Unfinished::None);
}

// Were the committed scratch files taken for the new save's, a new save that fails before its
// own journal would remove them, and the earlier save would be lost.
void TestFileSet::saveCompletesAnEarlierCommittedSaveFirst() {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    for (const QString &name : kNames) {
        putFile(dir.filePath(name), oldBytes(name));
        putFile(dir.filePath(name + ".new"), newBytes(name));
    }
    putFile(dir.filePath(kJournal), "a.dat\nb.dat\nc.dat\n");
    // The new save's journal cannot be written: a folder stands where it is written.
    QVERIFY(dir.mkdir(kJournal + ".new"));
    const FileSet set(dir, kNames, kJournal);
    try {
        set.save({"3", "3", "3"});
        QFAIL("a save without its journal succeeded");
    } catch (const soccer::SaveSetError &error) {
        QCOMPARE(error.failedFile(), std::size_t(kNames.size()));
        QVERIFY(error.setUnchanged());
    }
    for (const QString &name : kNames)
        QCOMPARE(fileBytes(dir.filePath(name)), newBytes(name));
    QCOMPARE(dir.entryList(QDir::Files), kNames);
}

QTEST_GUILESS_MAIN(TestFileSet)
#include "tst_core_fileset.moc"
