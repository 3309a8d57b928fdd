// Saving onto a disk with no room left: every kind of file, small and large, keeps its old
// bytes, no temporary file is left behind, and the failure says that the disk is full.
#include "core/files/options.h"
#include "core/files/tablefile.h"
#include "core/files/wholefile.h"
#include "core/league/errors.h"
#include "core/league/score.h"
#include "tst_fulldisk.h"
#include "tst_kit.h"

#include <QtTest>
#include <memory>
#include <optional>
#include <sys/mount.h>

using namespace soccer;
using testkit::fileBytes;
using testkit::putFile;

namespace {

// Every pair of both halves played, so the new table differs from a blank one everywhere.
std::unique_ptr<League> playedLeague(int count) {
    auto league = std::make_unique<League>();
    league->teamCount = count;
    for (int t = 1; t <= count; ++t)
        league->teamNames[t] = QStringLiteral("Команда %1").arg(t);
    for (int k = 1; k <= 2; ++k)
        for (int r = 1; r <= count; ++r)
            for (int c = r + 1; c <= count; ++c)
                enterScore(league->crossTables[k], r, c,
                           QStringLiteral("%1 %2").arg((r + k) % 5).arg(c % 4));
    return league;
}

const ColorScheme kNewColours{{10, 20, 30}, {40, 50, 60}, {200, 210, 220}};

// What a row writes first, while there is room, and what it then tries to save.
void writeOld(const QString &kind, const QString &target) {
    if (kind == "options")
        writeOptionsFile(target, ColorScheme::standard());
    else if (kind != "new blank")
        writeBlankTable(target, 3);
}

void saveNew(const QString &kind, const QString &target, int teams) {
    if (kind == "options")
        writeOptionsFile(target, kNewColours);
    else if (kind == "table")
        writeTableFile(target, *playedLeague(teams));
    else
        writeBlankTable(target, teams);
}

QByteArray newBytes(const QString &kind, int teams) {
    if (kind == "options")
        return optionsBytes(kNewColours);
    if (kind == "table")
        return tableBytes(*playedLeague(teams));
    return blankTableBytes(teams);
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const QString why = disk_.mount(1024 * 1024);
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }
    void init() { disk_.empty(); }
    void cleanupTestCase() { disk_.unmount(); }

    void saveOnAFullDiskKeepsTheOldBytes_data();
    void saveOnAFullDiskKeepsTheOldBytes();
    void lateFailureOfASetPutsTheOldBytesBack();

  private:
    fulldisk::SmallDisk disk_;
};

void TestFullDisk::saveOnAFullDiskKeepsTheOldBytes_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("teams");
    QTest::addColumn<qint64>("room");
    // Small files fail only at the flush, larger ones part-way through the write itself.
    QTest::newRow("4-team table") << "table" << 4 << qint64(0);
    QTest::newRow("20-team table") << "table" << 20 << qint64(0);
    QTest::newRow("20-team table, 4 KB left") << "table" << 20 << qint64(4096);
    QTest::newRow("99-team table") << "table" << 99 << qint64(0);
    QTest::newRow("99-team table, 64 KB left") << "table" << 99 << qint64(65536);
    QTest::newRow("option.dat") << "options" << 0 << qint64(0);
    QTest::newRow("blank table over a table") << "blank" << 20 << qint64(0);
    QTest::newRow("new blank table") << "new blank" << 4 << qint64(0);
    QTest::newRow("new 99-team blank table, 16 KB left") << "new blank" << 99 << qint64(16384);
}

void TestFullDisk::saveOnAFullDiskKeepsTheOldBytes() {
    QFETCH(QString, kind);
    QFETCH(int, teams);
    QFETCH(qint64, room);
    const QString target = disk_.path(kind == "options" ? "option.dat" : "t.TFL");
    writeOld(kind, target);
    const auto before = disk_.files();
    QVERIFY(disk_.fill(room));

    try {
        saveNew(kind, target, teams);
        QFAIL("a save onto a full disk reported success");
    } catch (const CoreError &error) {
        QCOMPARE(error.number(), int(ErrDiskFull));
        QCOMPARE(error.reason(), QStringLiteral("диск переполнен"));
        QCOMPARE(error.detail(), target);
    }
    QCOMPARE(disk_.files(), before);

    // With room again the same save goes through: the failure was the disk's.
    QVERIFY(QFile::remove(disk_.path(fulldisk::SmallDisk::kFiller)));
    saveNew(kind, target, teams);
    QCOMPARE(fileBytes(target), newBytes(kind, teams));
}

// A rename onto a file that is a mount point fails after every file of the set was written:
// the files already replaced must get their old bytes back.
void TestFullDisk::lateFailureOfASetPutsTheOldBytesBack() {
    const QStringList names = {"file.dat", "s.dat", "komand.dat"};
    std::vector<FileToSave> files;
    for (const QString &name : names) {
        putFile(disk_.path(name), "old " + name.toLatin1());
        files.push_back({disk_.path(name), "new " + name.toLatin1()});
    }
    putFile(disk_.path("elsewhere"), "old komand.dat");
    const QByteArray last = QFile::encodeName(disk_.path("komand.dat"));
    QVERIFY2(::mount(QFile::encodeName(disk_.path("elsewhere")).constData(), last.constData(),
                     nullptr, MS_BIND, nullptr) == 0,
             qPrintable(fulldisk::systemError(errno)));
    const auto before = disk_.files();

    std::optional<SaveSetError> failure;
    try {
        saveTogether(files);
    } catch (const SaveSetError &error) {
        failure = error;
    }
    ::umount2(last.constData(), MNT_DETACH);
    QVERIFY(failure);
    QCOMPARE(failure->failedFile(), std::size_t(2));
    QCOMPARE(failure->detail(), disk_.path("komand.dat"));
    QVERIFY(failure->setUnchanged());
    QCOMPARE(disk_.files(), before);
}

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_core_fulldisk.moc"
