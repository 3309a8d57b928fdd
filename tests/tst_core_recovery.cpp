// The recovery copies and the table locks: copies read back whole or not at all, set aside with
// one older copy kept, never torn by a kill while being written; locks held against a running
// program and taken over from a killed one.
#include "core/files/tablelock.h"
#include "core/recovery/recoverywriter.h"
#include "tst_kit.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace soccer;

namespace {

// A copy whose one part holds `round` in its length and in every byte, so that a copy read
// back tells whether it is one that was written, whole.
RecoveryRecord roundRecord(const QString &owner, int round) {
    const QByteArray bytes(1000 + (round % 50) * 4000, char('a' + round % 26));
    return {owner,
            QDateTime::fromMSecsSinceEpoch(1'700'000'000'000 + round),
            {{owner, bytes, FileFingerprint::ofBytes("old")}}};
}

bool isWholeRound(const RecoveryRecord &record) {
    if (record.parts.size() != 1)
        return false;
    const int round = int(record.taken.toMSecsSinceEpoch() - 1'700'000'000'000);
    return record.parts.front() == roundRecord(record.owner, round).parts.front();
}

// Runs `body` in a child process, which ends without any cleanup of its own.
pid_t inChild(const std::function<void()> &body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    return child;
}

void killChild(pid_t child) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString owner() const { return dir_.filePath(QStringLiteral("season.TFL")); }

  private slots:
    void init() {
        setLockFolder(dir_.filePath(QStringLiteral("locks")));
        QDir(dir_.filePath(QStringLiteral("copies"))).removeRecursively();
    }

    // Set aside twice: only the later copy is kept; a damaged copy is named once and moved.
    void setAsideKeepsOneOlderCopy() {
        const RecoveryStore store(dir_.filePath(QStringLiteral("copies")));
        for (int round : {1, 2}) {
            store.write(roundRecord(owner(), round));
            QVERIFY(store.setAside(owner()));
        }
        QVERIFY(store.find(owner()).records.empty());
        QCOMPARE(decodeRecovery(testkit::fileBytes(store.asidePath(owner()))),
                 roundRecord(owner(), 2));
        testkit::putFile(store.copyPath(owner()), "soccer recovery copy 1\ngarbage");
        const RecoveryFound damaged = store.findAll();
        QCOMPARE(damaged.damaged, QStringList{store.asidePath(owner())});
        QVERIFY(damaged.records.empty());
        QVERIFY(store.findAll().damaged.isEmpty());
    }

    // A removal asked for after a write is done after it, and drops it when not begun.
    void writerKeepsTheOrderOfWork() {
        RecoveryWriter writer(RecoveryStore(dir_.filePath(QStringLiteral("copies"))));
        std::atomic<int> written = 0;
        writer.onWritten([&written](const QString &) { ++written; });
        writer.write(owner(), [this] { return roundRecord(owner(), 5); });
        writer.finish();
        QCOMPARE(writer.store().find(owner()).records, std::vector{roundRecord(owner(), 5)});
        writer.write(owner(), [this] { return roundRecord(owner(), 6); });
        writer.remove(owner());
        writer.finish();
        QVERIFY(writer.store().find(owner()).records.empty());
        QVERIFY(written >= 1);
    }

    // A child writes copy after copy and is killed at a random moment; every time the copy
    // left is whole: the one before or the one being written.
    void killWhileWritingLeavesAWholeCopy() {
        const RecoveryStore store(dir_.filePath(QStringLiteral("copies")));
        store.write(roundRecord(owner(), 0));
        constexpr int kKills = 200;
        int torn = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            const pid_t child = inChild([&] {
                for (int round = 1;; ++round)
                    store.write(roundRecord(owner(), round));
            });
            ::usleep(QRandomGenerator::global()->bounded(1000, 30000));
            killChild(child);
            const RecoveryFound found = store.find(owner());
            if (found.records.size() != 1 || !isWholeRound(found.records.front()) ||
                !found.damaged.isEmpty())
                ++torn;
        }
        qInfo("%d kills while writing, %d copies torn", kKills, torn);
        QCOMPARE(torn, 0);
    }

    // Held against a running program, taken over from one that was killed.
    void lockFollowsTheProgramHoldingIt() {
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t child = inChild([&] {
            const TableLock lock(owner());
            const char held = lock.held() ? 'y' : 'n';
            (void)!::write(ready[1], &held, 1);
            ::pause();
        });
        char held = 0;
        QCOMPARE(::read(ready[0], &held, 1), ssize_t(1));
        QCOMPARE(held, 'y');
        QCOMPARE(TableLock(owner()).state(), TableLock::State::HeldElsewhere);
        killChild(child);
        TableLock mine(owner());
        QVERIFY(mine.held());
        QCOMPARE(TableLock(owner()).state(), TableLock::State::HeldElsewhere);
        mine.release();
        QVERIFY(TableLock(owner()).held());
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_core_recovery.moc"
