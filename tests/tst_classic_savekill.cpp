// The classic edition's save killed at random moments in a real child process: the next start
// reads the three data files as one set, all of the old save or all of the new one. The child
// is this program started again with --keep-saving, saving two leagues in turn until killed.
#include "classic/classicleague.h"
#include "tst_kit.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>

using namespace classic;
using testkit::fileBytes;

namespace {

const char kKeepSaving[] = "--keep-saving";
constexpr int kKills = 50;

// Two leagues that differ in every file: names, results and counters.
std::unique_ptr<soccer::League> leagueOf(int which) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = kTeams;
    for (int team = 1; team <= kTeams; ++team)
        league->teamNames[team] = QStringLiteral("Лига %1 команда %2").arg(which).arg(team);
    for (int r = 1; r <= kTeams; ++r)
        for (int c = r + 1; c <= kTeams; ++c)
            classic::enterScore(league->crossTables[kHalf], r, c,
                                QStringLiteral("%1 %2").arg((r + which) % 4).arg(c % 3));
    return league;
}

struct SetBytes {
    QByteArray counters, cells, names;
    bool operator==(const SetBytes &) const = default;
};

SetBytes bytesOf(const soccer::League &league) {
    return {countersFileBytes(league), cellsFileBytes(league), namesFileBytes(league)};
}

int keepSaving(const QString &folder) {
    const std::unique_ptr<soccer::League> leagues[2] = {leagueOf(0), leagueOf(1)};
    fputs("saving\n", stdout);
    fflush(stdout);
    for (int turn = 0;; turn ^= 1)
        saveLeague(*leagues[turn], QDir(folder));
}

} // namespace

class TestClassicSaveKill : public QObject {
    Q_OBJECT

  private slots:
    void everyStartAfterAKillReadsOneSave();
};

void TestClassicSaveKill::everyStartAfterAKillReadsOneSave() {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    saveLeague(*leagueOf(0), dir);
    const SetBytes sets[2] = {bytesOf(*leagueOf(0)), bytesOf(*leagueOf(1))};
    int completed = 0;
    int rolledBack = 0;
    int mixed = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kKeepSaving, folder.path()});
        QVERIFY(child.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(1000, 30000));
        child.kill(); // SIGKILL: nothing of the child runs after it
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // The next start: the interrupted save is put right before anything is read.
        const auto found = finishUnfinishedSave(dir);
        completed += found == soccer::FileSet::Unfinished::Completed;
        rolledBack += found == soccer::FileSet::Unfinished::RolledBack;
        auto read = std::make_unique<soccer::League>();
        loadLeague(*read, dir);
        const SetBytes now = {fileBytes(dir.filePath(kCountersFile)),
                              fileBytes(dir.filePath(kCellsFile)),
                              fileBytes(dir.filePath(kNamesFile))};
        mixed += now != sets[0] && now != sets[1];
        const QStringList files = dir.entryList(QDir::Files);
        QVERIFY2(files.size() == 3, qPrintable(files.join(' ')));
    }
    qInfo("%d kills: %d saves completed at the next start, %d taken back, %d mixed sets", kKills,
          completed, rolledBack, mixed);
    QCOMPARE(mixed, 0);
}

int main(int argc, char *argv[]) {
    if (argc == 3 && qstrcmp(argv[1], kKeepSaving) == 0)
        return keepSaving(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestClassicSaveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_classic_savekill.moc"
