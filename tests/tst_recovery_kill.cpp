// The built soccer as a user runs it, driven by the probe (tests/install/probe): results
// entered, the program killed with SIGKILL, and started again on the table. Да brings every
// result back (saved, it is in the file); Нет leaves the file as it was and the copy set aside;
// a start after that asks nothing.
#include "core/files/tablefile.h"
#include "core/recovery/recoverycopy.h"
#include "tst_kit.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <set>

using namespace soccer;

namespace {

constexpr int kScores = 12; // as the probe's enter-scores enters them

// The cells those results fill: both of each pair's, a pair entered twice filling them once.
int cellsEntered() {
    std::set<std::pair<int, int>> pairs;
    for (int k = 0; k < kScores; ++k) {
        const int row = 1 + k / 5;
        const int other = k % 5 + 1;
        const int opponent = other >= row ? other + 1 : other;
        pairs.insert(std::minmax(row, opponent));
    }
    return 2 * int(pairs.size());
}

int filledCells(const League &league) {
    int filled = 0;
    for (int row = 1; row <= league.teamCount; ++row)
        for (int column = 1; column <= league.teamCount; ++column)
            filled += league.crossTables[1].cells[row][column].trimmed().isEmpty() ? 0 : 1;
    return filled;
}

} // namespace

class TestRecoveryKill : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString table() const { return dir_.filePath(QStringLiteral("season.TFL")); }
    QString report() const { return dir_.filePath(QStringLiteral("report.txt")); }

    QProcess *start(const QString &scenario) {
        QFile::remove(report());
        auto *soccer = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(SOCCER_PROBE_PLUGINS));
        environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                           QStringLiteral("soccerprobe:") + scenario);
        environment.insert(QStringLiteral("SOCCER_PROBE_REPORT"), report());
        soccer->setProcessEnvironment(environment);
        soccer->start(QStringLiteral(SOCCER_BINARY), {table()});
        return soccer;
    }

    QString reported() const { return QString::fromUtf8(testkit::fileBytes(report())); }

    // Runs a scenario that ends by itself; what the probe saw.
    QString runToEnd(const QString &scenario) {
        QProcess *soccer = start(scenario);
        if (!soccer->waitForFinished(60000))
            qFatal("soccer did not end");
        return reported();
    }

    // The entered results, killed once their copy is on the disk; the copy's league.
    std::unique_ptr<League> enterAndKill() {
        QDir(dir_.filePath(QStringLiteral("data"))).removeRecursively();
        writeBlankTable(table(), 6);
        QProcess *soccer = start(QStringLiteral("enter-scores"));
        if (!QTest::qWaitFor([this] { return reported().contains("\nentered\n"); }, 60000))
            qFatal("the results were not entered: %s", qPrintable(reported()));
        QElapsedTimer sinceEntry;
        sinceEntry.start();
        auto copy = std::make_unique<League>();
        const bool onDisk = QTest::qWaitFor(
            [&] {
                const RecoveryFound found =
                    RecoveryStore(dir_.filePath("data/soccer/recovery")).find(table());
                if (found.records.empty())
                    return false;
                parseTable(found.records.front().parts.front().bytes, *copy);
                return filledCells(*copy) == cellsEntered();
            },
            2000);
        qInfo("last result on the disk %lld ms after its entry", sinceEntry.elapsed());
        ::kill(pid_t(soccer->processId()), SIGKILL);
        soccer->waitForFinished();
        if (!onDisk)
            qFatal("the copy of every result was not on the disk within 2 seconds");
        return copy;
    }

  private slots:
    void killedProgramLosesNothing_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("Да") << true;
        QTest::newRow("Нет") << false;
    }
    void killedProgramLosesNothing() {
        QFETCH(bool, restore);
        const std::unique_ptr<League> copy = enterAndKill();
        const QByteArray file = testkit::fileBytes(table());
        const QString seen =
            runToEnd(restore ? QStringLiteral("save-table") : QStringLiteral("answer-no"));
        QVERIFY2(seen.contains(QStringLiteral("message Найдены несохранённые изменения таблицы ") +
                               table()),
                 qPrintable(seen));
        // The killed program's lock is taken over without a word.
        QVERIFY(!seen.contains(QStringLiteral("уже открыта")));
        League read;
        readTableFile(table(), read);
        if (restore) {
            QCOMPARE(filledCells(read), cellsEntered());
            QCOMPARE(read.crossTables[1].cells, copy->crossTables[1].cells);
        } else {
            QCOMPARE(testkit::fileBytes(table()), file);
            QVERIFY(QFile::exists(
                RecoveryStore(dir_.filePath("data/soccer/recovery")).asidePath(table())));
        }
        const QString again = runToEnd(QStringLiteral("first-window"));
        QVERIFY2(!again.contains(QStringLiteral("message ")), qPrintable(again));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryKill)
#include "tst_recovery_kill.moc"
