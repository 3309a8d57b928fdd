// The built programs as a user runs them, driven by the probe (tests/install/probe): results
// entered, the program killed with SIGKILL, and started again on the table (soccer) or the
// league folder (soccer-classic). Да brings every result back (saved, it is in the files); Нет
// leaves the files as they were and the copy set aside; a start after that asks nothing.
#include "classic/classicleague.h"
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

// One edition as the test drives it: where its league lies, how it is started and read.
struct Edition {
    bool classic;
    QString dir;

    QString owner() const { return classic ? folder() : dir + QStringLiteral("/season.TFL"); }
    QString folder() const { return dir + QStringLiteral("/league"); }
    QString program() const {
        return classic ? QStringLiteral(SOCCER_CLASSIC_BINARY) : QStringLiteral(SOCCER_BINARY);
    }
    QStringList arguments() const { return classic ? QStringList() : QStringList{owner()}; }

    void writeBlank() const {
        if (!classic)
            return writeBlankTable(owner(), 6);
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        auto blank = std::make_unique<League>();
        blank->teamCount = classic::kTeams;
        for (int team = 1; team <= classic::kTeams; ++team)
            blank->teamNames[team] = QStringLiteral("Команда %1").arg(team);
        classic::saveLeague(*blank, QDir(folder()));
    }
    QByteArray files() const {
        if (!classic)
            return testkit::fileBytes(owner());
        QByteArray all;
        for (const QString &name :
             {classic::kCellsFile, classic::kNamesFile, classic::kCountersFile})
            all += testkit::fileBytes(QDir(folder()).filePath(name));
        return all;
    }
    void read(League &league) const {
        if (classic)
            classic::loadLeague(league, QDir(folder()));
        else
            readTableFile(owner(), league);
    }
    void readCopy(const RecoveryRecord &copy, League &league) const {
        if (classic)
            classic::loadLeague(league, classic::recoveredFiles(copy));
        else
            parseTable(copy.parts.front().bytes, league);
    }
};

class TestRecoveryKill : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString report() const { return dir_.filePath(QStringLiteral("report.txt")); }
    QString recovery() const { return dir_.filePath(QStringLiteral("data/soccer/recovery")); }

    QProcess *start(const Edition &edition, const QString &scenario) {
        QFile::remove(report());
        auto *program = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(SOCCER_PROBE_PLUGINS));
        environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                           QStringLiteral("soccerprobe:") + scenario);
        environment.insert(QStringLiteral("SOCCER_PROBE_REPORT"), report());
        program->setProcessEnvironment(environment);
        // The classic edition built here is its own folder's: it reads the current folder.
        program->setWorkingDirectory(edition.classic ? edition.folder() : dir_.path());
        program->start(edition.program(), edition.arguments());
        return program;
    }

    QString reported() const { return QString::fromUtf8(testkit::fileBytes(report())); }

    // Runs a scenario that ends by itself; what the probe saw.
    QString runToEnd(const Edition &edition, const QString &scenario) {
        QProcess *program = start(edition, scenario);
        if (!program->waitForFinished(60000))
            qFatal("the program did not end");
        return reported();
    }

    // The entered results, killed once their copy is on the disk; the copy's league.
    std::unique_ptr<League> enterAndKill(const Edition &edition) {
        QDir(dir_.filePath(QStringLiteral("data"))).removeRecursively();
        edition.writeBlank();
        QProcess *program = start(edition, QStringLiteral("enter-scores"));
        if (!QTest::qWaitFor([this] { return reported().contains("\nentered\n"); }, 60000))
            qFatal("the results were not entered: %s", qPrintable(reported()));
        QElapsedTimer sinceEntry;
        sinceEntry.start();
        auto copy = std::make_unique<League>();
        const bool onDisk = QTest::qWaitFor(
            [&] {
                const RecoveryFound found = RecoveryStore(recovery()).find(edition.owner());
                if (found.records.empty())
                    return false;
                edition.readCopy(found.records.front(), *copy);
                return filledCells(*copy) == cellsEntered();
            },
            2000);
        qInfo("last result on the disk %lld ms after its entry", sinceEntry.elapsed());
        ::kill(pid_t(program->processId()), SIGKILL);
        program->waitForFinished();
        if (!onDisk)
            qFatal("the copy of every result was not on the disk within 2 seconds");
        return copy;
    }

  private slots:
    void killedProgramLosesNothing_data() {
        QTest::addColumn<bool>("classic");
        QTest::addColumn<bool>("restore");
        QTest::newRow("soccer, Да") << false << true;
        QTest::newRow("soccer, Нет") << false << false;
        QTest::newRow("soccer-classic, Да") << true << true;
        QTest::newRow("soccer-classic, Нет") << true << false;
    }
    void killedProgramLosesNothing() {
        QFETCH(bool, classic);
        QFETCH(bool, restore);
        const Edition edition{classic, dir_.path()};
        const std::unique_ptr<League> copy = enterAndKill(edition);
        const QByteArray files = edition.files();
        const QString seen =
            runToEnd(edition, restore ? QStringLiteral("save-table") : QStringLiteral("answer-no"));
        QVERIFY2(seen.contains(QStringLiteral("message Найдены несохранённые изменения таблицы ") +
                               edition.owner()),
                 qPrintable(seen));
        // The killed program's lock is taken over without a word.
        QVERIFY(!seen.contains(QStringLiteral("уже открыта")));
        League read;
        edition.read(read);
        if (restore) {
            QCOMPARE(filledCells(read), cellsEntered());
            QCOMPARE(read.crossTables[1].cells, copy->crossTables[1].cells);
        } else {
            QCOMPARE(edition.files(), files);
            QVERIFY(QFile::exists(RecoveryStore(recovery()).asidePath(edition.owner())));
        }
        const QString again = runToEnd(edition, QStringLiteral("first-window"));
        QVERIFY2(!again.contains(QStringLiteral("message ")), qPrintable(again));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryKill)
#include "tst_recovery_kill.moc"
