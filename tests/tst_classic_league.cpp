// The classic edition's league without its window: counting, score entry, ranking, clearing
// and the three data files.
#include "classic/classicleague.h"
#include "core/league/errors.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "tst_kit.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace classic;

namespace {

using testkit::fileBytes;
using testkit::putFile;

using Counters = std::array<double, kCounterCount>;

using soccer::ScoreChange;

Counters countersOf(const soccer::League &league, int team) {
    return inScreenOrder(league.crossTables[kHalf].stats[team]);
}

ScoreChange enterScore(soccer::League &league, int r, int c, const QString &answer) {
    return classic::enterScore(league.crossTables[kHalf], r, c, answer);
}

std::unique_ptr<soccer::League> emptyLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = kTeams;
    return league;
}

std::unique_ptr<soccer::League> namedLeague() {
    auto league = emptyLeague();
    for (int team = 1; team <= kTeams; ++team)
        league->teamNames[team] = QStringLiteral("Команда %1").arg(team);
    return league;
}

QByteArray repeated(const QByteArray &line, int times) {
    QByteArray bytes;
    for (int i = 0; i < times; ++i)
        bytes += line;
    return bytes;
}

} // namespace

class TestClassicLeague : public QObject {
    Q_OBJECT

  private slots:
    void scoreAnswers_data();
    void scoreAnswers();
    void storedTextWithoutColonCannotBeChanged();
    void rankingByPointsKeepsTeamOrderOnTies();
    void dataFileBytes();
    void unreadableFileIsNamed_data();
    void unreadableFileIsNamed();
    void failedSaveKeepsOldFiles_data();
    void failedSaveKeepsOldFiles();
    void writeFailureOfALaterFileReplacesNone_data();
    void writeFailureOfALaterFileReplacesNone();
};

void TestClassicLeague::scoreAnswers_data() {
    QTest::addColumn<QString>("earlier"); // the answer recorded before, or "" for a free pair
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("cell35");
    QTest::addColumn<QString>("cell53");
    QTest::addColumn<Counters>("team3");
    QTest::addColumn<Counters>("team5");

    const Counters none{};
    const Counters win{1, 0, 0, 1, 3};
    const Counters loss{1, 1, 0, 0, 0};
    const Counters draw{1, 0, 1, 0, 1};
    QTest::newRow("2 1 on a free pair") << ""
                                        << "2 1"
                                        << " 2: 1"
                                        << " 1: 2" << win << loss;
    QTest::newRow("default 0 0 is a draw") << ""
                                           << "0 0"
                                           << " 0: 0"
                                           << " 0: 0" << draw << draw;
    QTest::newRow("1 1 over 2 1") << "2 1"
                                  << "1 1"
                                  << " 1: 1"
                                  << " 1: 1" << draw << draw;
    QTest::newRow("0 3 over 2 1") << "2 1"
                                  << "0 3"
                                  << " 0: 3"
                                  << " 3: 0" << loss << win;
    QTest::newRow("empty on a free pair") << ""
                                          << ""
                                          << ""
                                          << "" << none << none;
    QTest::newRow("empty over a result") << "2 1"
                                         << ""
                                         << " 2: 1"
                                         << " 1: 2" << win << loss;
    QTest::newRow("no blank on a free pair") << ""
                                             << "2:1"
                                             << ""
                                             << "" << none << none;
    QTest::newRow("no blank over a result") << "2 1"
                                            << "2:1"
                                            << " 2: 1"
                                            << " 1: 2" << win << loss;
    QTest::newRow("fractional goals") << ""
                                      << "1.5 2"
                                      << " 1.5: 2"
                                      << " 2: 1.5" << loss << win;
    QTest::newRow("letters are a draw") << ""
                                        << "a b"
                                        << " 0: 0"
                                        << " 0: 0" << draw << draw;
}

void TestClassicLeague::scoreAnswers() {
    QFETCH(QString, earlier);
    QFETCH(QString, answer);
    QFETCH(QString, cell35);
    QFETCH(QString, cell53);
    QFETCH(Counters, team3);
    QFETCH(Counters, team5);
    auto league = emptyLeague();
    if (!earlier.isEmpty())
        QCOMPARE(enterScore(*league, 3, 5, earlier), ScoreChange::Recorded);

    const ScoreChange change = enterScore(*league, 3, 5, answer);
    QCOMPARE(change, answer.contains(' ') ? ScoreChange::Recorded : ScoreChange::None);
    QCOMPARE(league->crossTables[kHalf].cells[3][5], cell35);
    QCOMPARE(league->crossTables[kHalf].cells[5][3], cell53);
    QCOMPARE(countersOf(*league, 3), team3);
    QCOMPARE(countersOf(*league, 5), team5);
}

void TestClassicLeague::storedTextWithoutColonCannotBeChanged() {
    auto league = emptyLeague();
    league->crossTables[kHalf].cells[2][7] = "перенесён";
    QCOMPARE(enterScore(*league, 2, 7, "1 0"), ScoreChange::None);
    QCOMPARE(league->crossTables[kHalf].cells[2][7], QString("перенесён"));
    QCOMPARE(league->crossTables[kHalf].cells[7][2], QString());
    QCOMPARE(countersOf(*league, 2), Counters{});

    // A result loaded from the file without its leading blank is taken back all the same.
    league->crossTables[kHalf].cells[4][6] = "2: 1";
    league->crossTables[kHalf].cells[6][4] = "1: 2";
    soccer::countResult(league->crossTables[kHalf], 4, 6, 2, 1, +1);
    QCOMPARE(enterScore(*league, 6, 4, "0 0"), ScoreChange::Recorded);
    QCOMPARE(countersOf(*league, 4), (Counters{1, 0, 1, 0, 1}));
    QCOMPARE(countersOf(*league, 6), (Counters{1, 0, 1, 0, 1}));
}

// The classic results table is the core's order by the points column.
void TestClassicLeague::rankingByPointsKeepsTeamOrderOnTies() {
    auto league = emptyLeague();
    auto &stats = league->crossTables[kHalf].stats;
    stats[9].points = 6;
    stats[5].points = 3;
    stats[5].wins = 1;
    stats[2].points = 3; // level with 5 on points although it has drawn three times
    stats[2].draws = 3;
    stats[14].points = 1;
    soccer::orderByCounter(*league, soccer::Counter::Points);
    const std::array<int, kTeams + 1> expected = {0, 9, 2,  5,  14, 1,  3,  4, 6,
                                                  7, 8, 10, 11, 12, 13, 15, 16};
    QVERIFY(std::equal(expected.begin(), expected.end(), league->standingsOrder.begin()));
}

void TestClassicLeague::dataFileBytes() {
    auto league = namedLeague();
    league->teamNames[1] = "Зенит";
    enterScore(*league, 3, 5, "2 1");
    // stored as they stand, not recounted
    league->crossTables[kHalf].stats[3] = fromScreenOrder({3, 1, 0, 2, 6});

    const QByteArray counters = countersFileBytes(*league);
    QCOMPARE(counters.count("\r\n"), kTeams);
    QVERIFY(counters.startsWith(" 0  0  0  0  0 \r\n 0  0  0  0  0 \r\n 3  1  0  2  6 \r\n"));
    QVERIFY(counters.contains("\r\n 1  1  0  0  0 \r\n")); // team 5

    const QList<QByteArray> cellLines = cellsFileBytes(*league).split('\n');
    QCOMPARE(cellLines.size(), kTeams * kTeams + 1);
    QCOMPARE(cellLines[(3 - 1) * 16 + 5 - 1], QByteArray(" 2: 1\r"));
    QCOMPARE(cellLines[(5 - 1) * 16 + 3 - 1], QByteArray(" 1: 2\r"));
    QCOMPARE(cellLines[(3 - 1) * 16 + 3 - 1], QByteArray("\r"));
    QCOMPARE(cellsFileBytes(*league).count(':'), 2);

    const QByteArray names = namesFileBytes(*league);
    QVERIFY(names.startsWith("\xC7\xE5\xED\xE8\xF2\r\n")); // "Зенит" in Windows Cyrillic
    QVERIFY(names.endsWith("\xCA\xEE\xEC\xE0\xED\xE4\xE0 16\r\n"));
}

void TestClassicLeague::unreadableFileIsNamed_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing
    QTest::addColumn<int>("errorNumber");
    QTest::newRow("s.dat missing") << "s.dat" << QByteArray() << int(soccer::ErrFileNotFound);
    QTest::newRow("komand.dat missing")
        << "komand.dat" << QByteArray() << int(soccer::ErrFileNotFound);
    QTest::newRow("file.dat missing") << "file.dat" << QByteArray() << int(soccer::ErrFileNotFound);
    QTest::newRow("s.dat short") << "s.dat" << repeated("\r\n", 255)
                                 << int(soccer::ErrInputPastEnd);
    QTest::newRow("komand.dat short")
        << "komand.dat" << repeated("A\r\n", 15) << int(soccer::ErrInputPastEnd);
    QTest::newRow("file.dat short")
        << "file.dat" << repeated(" 0  0  0  0  0 \r\n", 15) << int(soccer::ErrInputPastEnd);
}

void TestClassicLeague::unreadableFileIsNamed() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, errorNumber);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    saveLeague(*namedLeague(), QDir(folder.path()));
    QVERIFY(QFile::remove(folder.filePath(fileName)));
    if (!content.isEmpty())
        putFile(folder.filePath(fileName), content);

    auto league = emptyLeague();
    try {
        loadLeague(*league, QDir(folder.path()));
        QFAIL("the league loaded from an incomplete set of files");
    } catch (const DataFileError &error) {
        QCOMPARE(error.fileName(), fileName);
        QCOMPARE(error.number(), errorNumber);
    }
}

void TestClassicLeague::failedSaveKeepsOldFiles_data() {
    QTest::addColumn<QString>("blocked");
    // The files are written in the order file.dat, s.dat, komand.dat; whichever fails, the
    // three are saved as one and none is replaced.
    QTest::newRow("file.dat") << "file.dat";
    QTest::newRow("s.dat") << "s.dat";
    QTest::newRow("komand.dat") << "komand.dat";
}

void TestClassicLeague::failedSaveKeepsOldFiles() {
    QFETCH(QString, blocked);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    auto league = namedLeague();
    saveLeague(*league, dir);
    QMap<QString, QByteArray> before;
    for (const QString &name : QStringList{"file.dat", "s.dat", "komand.dat"})
        before[name] = fileBytes(dir.filePath(name));
    // A folder in place of the file: nothing can replace it.
    QVERIFY(QFile::remove(dir.filePath(blocked)));
    QVERIFY(dir.mkdir(blocked));

    enterScore(*league, 1, 2, "1 0");
    league->teamNames[4] = "Спартак";
    try {
        saveLeague(*league, dir);
        QFAIL("the save reported no failure");
    } catch (const DataFileError &error) {
        QCOMPARE(error.fileName(), blocked);
        QVERIFY(error.savedFilesUnchanged());
    }
    QVERIFY(QFileInfo(dir.filePath(blocked)).isDir());
    for (const QString &name : before.keys())
        if (name != blocked)
            QCOMPARE(fileBytes(dir.filePath(name)), before[name]);
    // No temporary file is left behind beside the two real ones.
    QCOMPARE(dir.entryList(QDir::Files).size(), 2);
}

void TestClassicLeague::writeFailureOfALaterFileReplacesNone_data() {
    QTest::addColumn<QString>("failing");
    QTest::newRow("second file, s.dat") << "s.dat";
    QTest::newRow("third file, komand.dat") << "komand.dat";
}

// The file size limit makes the write of one file fail half-way after the files before it
// were written in full: still none of the three may change.
void TestClassicLeague::writeFailureOfALaterFileReplacesNone() {
    QFETCH(QString, failing);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    saveLeague(*namedLeague(), dir);
    QMap<QString, QByteArray> before;
    for (const QString &name : QStringList{"file.dat", "s.dat", "komand.dat"})
        before[name] = fileBytes(dir.filePath(name));

    // The failing file is made the largest of those written up to it, so a limit just below
    // its size lets the earlier ones through.
    auto league = namedLeague();
    for (int r = 1; r <= kTeams; ++r)
        for (int c = r + 1; c <= kTeams; ++c)
            enterScore(*league, r, c, QStringLiteral("%1 %2").arg(r % 4).arg(c % 3));
    if (failing == "komand.dat")
        for (int team = 1; team <= kTeams; ++team)
            league->teamNames[team] = QString(300, QChar(u'Щ')) + QString::number(team);
    const QByteArray failingBytes =
        failing == "s.dat" ? cellsFileBytes(*league) : namesFileBytes(*league);
    QVERIFY(countersFileBytes(*league).size() < failingBytes.size());
    QVERIFY(cellsFileBytes(*league).size() <= failingBytes.size());

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = rlim_t(failingBytes.size() - 1);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString failed;
    bool unchanged = false;
    try {
        saveLeague(*league, dir);
    } catch (const DataFileError &error) {
        failed = error.fileName();
        unchanged = error.savedFilesUnchanged();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(failed, failing);
    QVERIFY(unchanged);
    for (const QString &name : before.keys())
        QCOMPARE(fileBytes(dir.filePath(name)), before[name]);
    QCOMPARE(dir.entryList(QDir::Files).size(), 3);
}

QTEST_GUILESS_MAIN(TestClassicLeague)
#include "tst_classic_league.moc"
