// The classic edition's league folder: the current folder beside a program folder of the
// user's own, the user's data folder filled on the first start of an installed program.
#include "classic/classicleague.h"
#include "classic/leaguefolder.h"
#include "tst_kit.h"
#include "tst_kit_installation.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using testkit::fileBytes;
using testkit::Installation;
using testkit::putFile;

namespace {

const QStringList kDataFiles = {"komand.dat", "s.dat", "file.dat"};

// The delivered fresh league, read-only as an installation leaves it.
void deliver(const QString &folder) {
    for (const QString &name : kDataFiles) {
        const QString copy = folder + "/" + name;
        QVERIFY(QFile::copy(QStringLiteral(SOCCER_DELIVERED_DATA "/") + name, copy));
        QVERIFY(
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
}

void verifyFreshLeague(const QString &folder, const QString &delivered) {
    for (const QString &name : kDataFiles) {
        const QString copy = folder + "/" + name;
        QCOMPARE(fileBytes(copy), fileBytes(delivered + "/" + name));
        QVERIFY2(QFile::permissions(copy) & QFile::WriteOwner, qPrintable(name));
    }
}

} // namespace

class TestLeagueFolder : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { soccer::setProgramFolder(QString()); }

    void freshLeagueOnlyIntoAFolderWithoutOne_data();
    void freshLeagueOnlyIntoAFolderWithoutOne();
    void installedFirstStartFillsTheUsersFolder();
    void portableReadsTheCurrentFolder();
};

void TestLeagueFolder::freshLeagueOnlyIntoAFolderWithoutOne_data() {
    QTest::addColumn<QString>("present"); // a data file already in the folder; "" for none
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("no folder yet") << QString() << false;
    QTest::newRow("empty folder") << QString() << true;
    QTest::newRow("names only") << "komand.dat" << true;
    QTest::newRow("counters only") << "file.dat" << true;
}

void TestLeagueFolder::freshLeagueOnlyIntoAFolderWithoutOne() {
    QFETCH(QString, present);
    QFETCH(bool, folderExists);
    QTemporaryDir root;
    const QString delivered = root.filePath("delivered");
    const QString folder = root.filePath("user/soccer-classic");
    QVERIFY(QDir().mkpath(delivered));
    deliver(delivered);
    if (folderExists)
        QVERIFY(QDir().mkpath(folder));
    if (!present.isEmpty())
        putFile(folder + "/" + present, "the user's own\r\n");

    classic::provideFreshLeague(folder, delivered);

    if (present.isEmpty()) {
        verifyFreshLeague(folder, delivered);
        return;
    }
    // A league of the user's, even a broken one, is never overwritten or completed.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{present});
    QCOMPARE(fileBytes(folder + "/" + present), QByteArray("the user's own\r\n"));
}

void TestLeagueFolder::installedFirstStartFillsTheUsersFolder() {
    Installation installed;
    const QString delivered = installed.path("prefix/share/soccer/classic");
    deliver(delivered);
    const QString expected = installed.path("home/data/soccer-classic");

    QCOMPARE(classic::leagueFolder().path(), expected);
    verifyFreshLeague(expected, delivered);
    soccer::League league;
    classic::loadLeague(league, classic::leagueFolder());
    QVERIFY(!league.teamNames[1].isEmpty());

    // A saved league is what the next start reads, not a fresh one.
    league.crossTables[classic::kHalf].cells[1][2] = "2:1";
    league.crossTables[classic::kHalf].cells[2][1] = "1:2";
    classic::saveLeague(league, classic::leagueFolder());
    soccer::League reread;
    classic::loadLeague(reread, classic::leagueFolder());
    QCOMPARE(reread.crossTables[classic::kHalf].cells[1][2], QStringLiteral("2:1"));
}

void TestLeagueFolder::portableReadsTheCurrentFolder() {
    QTemporaryDir program;
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    soccer::setProgramFolder(program.path());
    QDir::setCurrent(current.path());
    const QString folder = classic::leagueFolder().absolutePath();
    QDir::setCurrent(previous);
    QCOMPARE(folder, QDir(current.path()).absolutePath());
    // Nothing is given to a folder of the user's own: a missing league is reported as before.
    QCOMPARE(QDir(current.path()).entryList(QDir::Files), QStringList());
}

QTEST_APPLESS_MAIN(TestLeagueFolder)
#include "tst_classic_leaguefolder.moc"
