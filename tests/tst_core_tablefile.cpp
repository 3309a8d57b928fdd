// The table file: its exact bytes, round trips, failed reads and failed writes.
#include "core/files/tablefile.h"
#include "core/league/errors.h"
#include "core/league/score.h"
#include "tst_kit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace soccer;

namespace {

using testkit::cp1251;
using testkit::errorNumberOf;
using testkit::fileBytes;
using testkit::putFile;

// Every value of every index, so that a failed read cannot hide a change anywhere.
bool sameLeague(const League &a, const League &b) {
    if (a.teamCount != b.teamCount || a.teamNames != b.teamNames)
        return false;
    for (int k = 0; k < 3; ++k) {
        if (a.crossTables[k].cells != b.crossTables[k].cells ||
            a.crossTables[k].stats != b.crossTables[k].stats)
            return false;
    }
    return true;
}

QString teamName(int t) {
    return t % 2 ? QStringLiteral("Команда №%1 «Ёж»").arg(t) : QStringLiteral("Team %1").arg(t);
}

// A season with every pair played in both halves: ordinary scores, some negative and some
// fractional goals, and Cyrillic names.
std::unique_ptr<League> playedLeague(int count) {
    auto league = std::make_unique<League>();
    league->teamCount = count;
    for (int t = 1; t <= count; ++t)
        league->teamNames[t] = teamName(t);
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= count; ++r) {
            for (int c = r + 1; c <= count; ++c) {
                double x = (r * 7 + c * 3 + k) % 6;
                const double y = (r + c * 5 + k) % 5;
                if ((r + c) % 17 == 0)
                    x = -1;
                if ((r * c) % 23 == 0)
                    x += 0.5;
                enterScore(league->crossTables[k], r, c,
                           QString::number(x) + QLatin1Char(' ') + QString::number(y));
            }
        }
    }
    return league;
}

QByteArray blankFourTeamBytes(const QByteArray &countLine, const QByteArray &namePrefix) {
    QByteArray bytes = countLine + "\r\n";
    for (int line = 0; line < 32; ++line)
        bytes += "\r\n";
    for (int line = 0; line < 8; ++line)
        bytes += " 0  0  0  0  0  0  0 \r\n";
    for (char name : {'1', '2', '3', '4'})
        bytes += namePrefix + name + "\r\n";
    return bytes;
}

// The file as it looks after one load and save: the score cells lose their leading blank.
QByteArray withoutCellBlanks(const QByteArray &bytes, int count) {
    QList<QByteArray> lines = bytes.split('\n');
    for (int line = 1; line <= 2 * count * count; ++line) {
        if (lines[line].startsWith(' '))
            lines[line].remove(0, 1);
    }
    return lines.join('\n');
}

} // namespace

class TestTableFile : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void blankFourTeamTableBytes();
    void blankFourTeamTableSavedAgain();
    void blankTableLineCounts_data();
    void blankTableLineCounts();
    void fullSeasonRoundTrip();
    void countLineForms_data();
    void countLineForms();
    void storedValuesTakenAsStored();
    void smallerTableKeepsEntriesBeyondCount();
    void hugeStatisticSavesLoadably();
    void manyDifferentTextsReadBack();

    void errorLineFollowsLineEnds_data();
    void errorLineFollowsLineEnds();
    void failedReadLeavesLeagueUntouched_data();
    void failedReadLeavesLeagueUntouched();
    void failedWriteNumbers_data();
    void failedWriteNumbers();
    void failedWriteKeepsOldFile();
    void readOnlyFileIsRefused();
    void invalidCountIsNotWritten();

  private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void TestTableFile::init() {
    QVERIFY(dir_.isValid());
}

void TestTableFile::blankFourTeamTableBytes() {
    const QByteArray expected = blankFourTeamBytes("4", " ");
    QCOMPARE(expected.count('\n'), 45);
    QCOMPARE(blankTableBytes(4), expected);
    writeBlankTable(path("blank.tfl"), 4);
    QCOMPARE(fileBytes(path("blank.tfl")), expected);
}

void TestTableFile::blankFourTeamTableSavedAgain() {
    League league;
    parseTable(blankTableBytes(4), league);
    QCOMPARE(league.teamCount, 4);
    QCOMPARE(league.teamNames[1], QStringLiteral("1"));
    QCOMPARE(league.crossTables[2].cells[4][3], QString());
    QCOMPARE(tableBytes(league), blankFourTeamBytes(" 4 ", ""));
}

void TestTableFile::blankTableLineCounts_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 1;
    QTest::newRow("four") << 4;
    QTest::newRow("ninety-nine") << 99;
}

void TestTableFile::blankTableLineCounts() {
    QFETCH(int, count);
    const QByteArray bytes = blankTableBytes(count);
    QCOMPARE(bytes.count("\r\n"), 1 + 2 * count * count + 3 * count);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    League league;
    parseTable(bytes, league);
    QCOMPARE(league.teamNames[count], QString::number(count));
}

// Written, read and written again: the second file differs from the first only by the
// blank before each score text (dropped on reading), and from then on nothing changes.
void TestTableFile::fullSeasonRoundTrip() {
    const auto original = playedLeague(kMaxTeams);
    writeTableFile(path("season.tfl"), *original);
    const QByteArray first = fileBytes(path("season.tfl"));
    QCOMPARE(first.count("\r\n"), 19900);
    QVERIFY(first.contains(cp1251(QStringLiteral("\r\nКоманда №99 «Ёж»\r\n"))));
    QVERIFY(first.contains("\r\n 1.5: 2\r\n"));
    QVERIFY(first.contains("\r\n-1: 3\r\n"));

    auto read = std::make_unique<League>();
    readTableFile(path("season.tfl"), *read);
    QCOMPARE(read->teamCount, kMaxTeams);
    QCOMPARE(read->teamNames, original->teamNames);
    for (int k = 1; k <= 2; ++k) {
        QCOMPARE(read->crossTables[k].stats, original->crossTables[k].stats);
        for (int r = 1; r <= kMaxTeams; ++r) {
            for (int c = 1; c <= kMaxTeams; ++c) {
                const QString &cell = original->crossTables[k].cells[r][c];
                const QString withoutBlank = cell.startsWith(QLatin1Char(' ')) ? cell.mid(1) : cell;
                QCOMPARE(read->crossTables[k].cells[r][c], withoutBlank);
            }
        }
    }

    writeTableFile(path("season.tfl"), *read);
    const QByteArray second = fileBytes(path("season.tfl"));
    QCOMPARE(second, withoutCellBlanks(first, kMaxTeams));
    auto again = std::make_unique<League>();
    parseTable(second, *again);
    QCOMPARE(tableBytes(*again), second);
}

void TestTableFile::countLineForms_data() {
    QTest::addColumn<QByteArray>("countLine");
    QTest::newRow("bare digits") << QByteArray("4");
    QTest::newRow("print form") << QByteArray(" 4 ");
    QTest::newRow("rounded") << QByteArray("3.6");
    QTest::newRow("rest of line skipped") << QByteArray("4 teams, in all");
}

void TestTableFile::countLineForms() {
    QFETCH(QByteArray, countLine);
    QByteArray bytes = blankTableBytes(4);
    bytes.replace(0, 1, countLine);
    League league;
    parseTable(bytes, league);
    QCOMPARE(league.teamCount, 4);
    QCOMPARE(league.teamNames[4], QStringLiteral("4"));
}

void TestTableFile::storedValuesTakenAsStored() {
    QByteArray bytes = blankTableBytes(4);
    // cells (1,2) and (1,3), and the first statistics line of the first half
    bytes.replace(0, 9, "4\r\n\r\n2:1\r\nnot a score\r\n");
    const qsizetype statistics = bytes.indexOf(" 0  0");
    bytes.replace(statistics, 21, " 9 -1  .5  0  0  0  7 ");
    League league;
    parseTable(bytes, league);
    QCOMPARE(league.crossTables[1].cells[1][2], QStringLiteral("2:1"));
    QCOMPARE(league.crossTables[1].cells[1][3], QStringLiteral("not a score"));
    QCOMPARE(league.crossTables[1].cells[2][1], QString());
    const TeamStats first = league.crossTables[1].stats[1];
    QCOMPARE(first.played, 9.0);
    QCOMPARE(first.losses, -1.0);
    QCOMPARE(first.draws, 0.5);
    QCOMPARE(first.points, 7.0);
    QCOMPARE(league.teamNames[4], QStringLiteral("4"));
}

void TestTableFile::smallerTableKeepsEntriesBeyondCount() {
    const auto league = playedLeague(6);
    const QString sixthName = league->teamNames[6];
    const QString farCell = league->crossTables[2].cells[6][5];
    parseTable(blankTableBytes(4), *league);
    QCOMPARE(league->teamCount, 4);
    QCOMPARE(league->crossTables[2].cells[1][2], QString());
    QCOMPARE(league->crossTables[1].stats[3], TeamStats{});
    QCOMPARE(league->teamNames[6], sixthName);
    QCOMPARE(league->crossTables[2].cells[6][5], farCell);
}

// A statistic at the very top of the double range prints with 15 digits as a number that no
// longer fits; the saved table must load all the same.
void TestTableFile::hugeStatisticSavesLoadably() {
    QByteArray bytes = blankTableBytes(1);
    bytes.replace(" 0  0  0  0  0  0  0 \r\n 0",
                  " 1.7976931348623157E308  0  0  0  0  0 -1e400 \r\n 0");
    League league;
    parseTable(bytes, league);
    QCOMPARE(league.crossTables[1].stats[1].played, std::numeric_limits<double>::max());
    QCOMPARE(league.crossTables[1].stats[1].points, -std::numeric_limits<double>::infinity());
    const QByteArray saved = tableBytes(league);
    QVERIFY(saved.contains(" 1.79769313486232E+308  0  0  0  0  0 -1E+309 \r\n"));
    parseTable(saved, league);
    QCOMPARE(league.crossTables[1].stats[1].played, std::numeric_limits<double>::infinity());
    QCOMPARE(tableBytes(league), QByteArray(saved).replace("1.79769313486232E+308", "1E+309"));
}

// More different short texts than the reader shares at once, long ones and Cyrillic ones: each
// cell must still come back as written.
void TestTableFile::manyDifferentTextsReadBack() {
    auto league = std::make_unique<League>();
    league->teamCount = 40;
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= 40; ++r) {
            league->teamNames[r] = QStringLiteral("Клуб %1").arg(r);
            for (int c = 1; c <= 40; ++c) {
                QString &cell = league->crossTables[k].cells[r][c];
                switch ((r + c + k) % 4) {
                case 0:
                    cell = QString::number(k * 10000 + r * 100 + c);
                    break;
                case 1:
                    cell = QStringLiteral("a longer text %1").arg(r * c);
                    break;
                case 2:
                    cell = QStringLiteral("счёт %1").arg(c);
                    break;
                default:
                    cell.clear();
                }
            }
        }
    }
    auto read = std::make_unique<League>();
    parseTable(tableBytes(*league), *read);
    QCOMPARE(read->teamNames, league->teamNames);
    for (int k = 1; k <= 2; ++k)
        QCOMPARE(read->crossTables[k].cells, league->crossTables[k].cells);
}

void TestTableFile::failedReadLeavesLeagueUntouched_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // written to `name` first unless empty
    QTest::addColumn<int>("number");
    QByteArray shortFile = blankTableBytes(4);
    shortFile.chop(4); // the last name is missing
    QByteArray badStatistic = blankTableBytes(4);
    badStatistic.replace(" 0  0  0  0  0  0  0 \r\n 1", " 0  0  0  0  0  zero  0 \r\n 1");
    auto withCount = [](const QByteArray &count) {
        return blankTableBytes(4).replace(0, 1, count);
    };
    QTest::newRow("missing file") << "missing.tfl" << QByteArray() << int(ErrFileNotFound);
    QTest::newRow("missing folder") << "nofolder/x.tfl" << QByteArray() << int(ErrPathNotFound);
    QTest::newRow("file used as folder")
        << "plain.tfl/x.tfl" << QByteArray() << int(ErrPathNotFound);
    QTest::newRow("folder") << "." << QByteArray() << int(ErrPathAccess);
    QTest::newRow("wildcard") << "*.tfl" << QByteArray() << int(ErrBadFileName);
    QTest::newRow("short file") << "short.tfl" << shortFile << int(ErrInputPastEnd);
    QTest::newRow("empty file") << "empty.tfl" << QByteArray("") << int(ErrInputPastEnd);
    QTest::newRow("count not a number") << "c.tfl" << withCount("four") << int(ErrTypeMismatch);
    QTest::newRow("count 0") << "c.tfl" << withCount("0") << int(ErrSubscriptOutOfRange);
    QTest::newRow("count 100") << "c.tfl" << withCount("100") << int(ErrSubscriptOutOfRange);
    QTest::newRow("count negative") << "c.tfl" << withCount("-4") << int(ErrSubscriptOutOfRange);
    QTest::newRow("statistic not a number") << "s.tfl" << badStatistic << int(ErrTypeMismatch);
}

// The line an error names is the line a text editor shows, whatever the file's line ends.
void TestTableFile::errorLineFollowsLineEnds_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR only") << QByteArray("\r");
    QTest::newRow("LF only") << QByteArray("\n");
}

void TestTableFile::errorLineFollowsLineEnds() {
    QFETCH(QByteArray, lineEnd);
    QByteArray bytes = blankTableBytes(4);
    bytes.replace(" 0  0  0  0  0  0  0 \r\n 1", " 0  0  0  0  0  zero  0 \r\n 1");
    const qsizetype badLine = bytes.left(bytes.indexOf("zero")).count("\r\n") + 1;
    bytes.replace("\r\n", lineEnd);
    League league;
    try {
        parseTable(bytes, league);
        QFAIL("the table was read");
    } catch (const CoreError &error) {
        QVERIFY2(error.detail().startsWith(QStringLiteral("строка %1:").arg(badLine)),
                 qPrintable(error.detail()));
    }
}

// Open must not leave the table half replaced when the file turns out to be unusable.
void TestTableFile::failedReadLeavesLeagueUntouched() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    putFile(path("plain.tfl"), "x");
    if (name == QLatin1String("empty.tfl") || !bytes.isEmpty())
        putFile(path(name), bytes);
    const auto league = playedLeague(5);
    const auto before = std::make_unique<League>(*league);
    const QString target = name == QLatin1String("*.tfl") ? name : path(name);
    QCOMPARE(errorNumberOf([&] { readTableFile(target, *league); }), number);
    QVERIFY(sameLeague(*league, *before));
}

void TestTableFile::failedWriteNumbers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("missing folder") << "nofolder/x.tfl" << int(ErrPathNotFound);
    QTest::newRow("file used as folder") << "plain.tfl/x.tfl" << int(ErrPathNotFound);
    QTest::newRow("folder") << "folder" << int(ErrPathAccess);
    QTest::newRow("wildcard") << "a?.tfl" << int(ErrBadFileName);
    QTest::newRow("empty name") << "" << int(ErrBadFileName);
}

void TestTableFile::failedWriteNumbers() {
    QFETCH(QString, name);
    QFETCH(int, number);
    putFile(path("plain.tfl"), "old");
    QVERIFY(QDir(dir_.path()).mkpath("folder"));
    const auto league = playedLeague(4);
    const QString target = name.isEmpty() ? name : path(name);
    QCOMPARE(errorNumberOf([&] { writeTableFile(target, *league); }), number);
    QCOMPARE(fileBytes(path("plain.tfl")), QByteArray("old"));
    QVERIFY(QFileInfo(path("folder")).isDir());
    // A folder where nothing can be created fails too, whoever runs the test.
    QVERIFY(errorNumberOf([&] { writeTableFile("/proc/soccer-test.tfl", *league); }) != 0);
}

// The file size limit makes the write itself fail half-way, even for root: the old table
// must survive and no temporary file may be left behind.
void TestTableFile::failedWriteKeepsOldFile() {
    QVERIFY(QDir(dir_.path()).mkpath("kept"));
    const QString target = path("kept/kept.tfl");
    const QByteArray old = blankTableBytes(4);
    putFile(target, old);
    const auto big = playedLeague(kMaxTeams);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int number = errorNumberOf([&] { writeTableFile(target, *big); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(number == ErrDiskFull || number == ErrDeviceIo, qPrintable(QString::number(number)));
    QCOMPARE(fileBytes(target), old);
    QCOMPARE(QDir(path("kept")).entryList(QDir::Files), QStringList{"kept.tfl"});
}

void TestTableFile::readOnlyFileIsRefused() {
    if (geteuid() == 0)
        QSKIP("root may write to any file");
    const QString target = path("readonly.tfl");
    putFile(target, "old");
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
    const auto league = playedLeague(4);
    QCOMPARE(errorNumberOf([&] { writeTableFile(target, *league); }), int(ErrPermissionDenied));
    QCOMPARE(fileBytes(target), QByteArray("old"));
}

void TestTableFile::invalidCountIsNotWritten() {
    League league;
    QCOMPARE(errorNumberOf([&] { tableBytes(league); }), int(ErrSubscriptOutOfRange));
    QCOMPARE(errorNumberOf([&] { blankTableBytes(100); }), int(ErrSubscriptOutOfRange));
    QCOMPARE(errorNumberOf([&] { writeBlankTable(path("none.tfl"), 0); }),
             int(ErrSubscriptOutOfRange));
    QVERIFY(!QFileInfo::exists(path("none.tfl")));
}

QTEST_APPLESS_MAIN(TestTableFile)
#include "tst_core_tablefile.moc"
