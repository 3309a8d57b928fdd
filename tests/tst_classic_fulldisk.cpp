// The classic edition saving onto a disk with no room left: its three data files keep their
// old bytes, and the window says that the disk is full and that the files are unchanged.
#include "classic/classicleague.h"
#include "classic/frmtable.h"
#include "tst_fulldisk.h"
#include "ui/platform/prompts.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using platform::Answer;
using platform::ScriptedPrompter;

namespace {

const QString kDeliveredData = QStringLiteral(SOCCER_DELIVERED_DATA);
const QStringList kDataFiles = {"komand.dat", "s.dat", "file.dat"};

void clickCell(QTableWidget *grid, int row, int column) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestClassicFullDisk : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const QString why = disk_.mount(256 * 1024);
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }
    void init() {
        disk_.empty();
        for (const QString &name : kDataFiles)
            QVERIFY(QFile::copy(kDeliveredData + "/" + name, disk_.path(name)));
    }
    void cleanup() { QDir::setCurrent(previousFolder_); }
    void cleanupTestCase() { disk_.unmount(); }

    void saveLeagueOnAFullDiskReplacesNone_data();
    void saveLeagueOnAFullDiskReplacesNone();
    void windowSaveOnAFullDiskSaysSo();

  private:
    fulldisk::SmallDisk disk_;
    const QString previousFolder_ = QDir::currentPath();
};

void TestClassicFullDisk::saveLeagueOnAFullDiskReplacesNone_data() {
    QTest::addColumn<qint64>("room");
    QTest::newRow("no room: the first file fails") << qint64(0);
    // One page: file.dat is written in full, s.dat finds no room.
    QTest::newRow("one page left: the second file fails") << qint64(4096);
}

void TestClassicFullDisk::saveLeagueOnAFullDiskReplacesNone() {
    QFETCH(qint64, room);
    auto league = std::make_unique<soccer::League>();
    classic::loadLeague(*league, QDir(disk_.path()));
    classic::enterScore(league->crossTables[classic::kHalf], 3, 5, "2 1");
    league->teamNames[4] = QStringLiteral("Спартак");
    const auto before = disk_.files();
    QVERIFY(disk_.fill(room));

    try {
        classic::saveLeague(*league, QDir(disk_.path()));
        QFAIL("a save onto a full disk reported success");
    } catch (const classic::DataFileError &error) {
        QCOMPARE(error.number(), int(soccer::ErrDiskFull));
        QCOMPARE(error.reason(), QStringLiteral("диск переполнен"));
        QCOMPARE(error.fileName(), room == 0 ? classic::kCountersFile : classic::kCellsFile);
        QVERIFY(error.savedFilesUnchanged());
    }
    QCOMPARE(disk_.files(), before);
}

void TestClassicFullDisk::windowSaveOnAFullDiskSaysSo() {
    QVERIFY(QDir::setCurrent(disk_.path()));
    ScriptedPrompter prompter;
    classic::frmtable window;
    window.show();
    QVERIFY(window.loaded());
    auto *grid = window.findChild<QTableWidget *>("MS");
    prompter.queueInput("2 1");
    clickCell(grid, 3, 6);
    QCOMPARE(grid->item(3, 6)->text(), QString(" 2: 1"));
    const auto before = disk_.files();
    QVERIFY(disk_.fill());

    prompter.clear();
    prompter.queueAnswer(Answer::Yes);
    window.findChild<QToolButton *>("cmdsave")->click();

    QCOMPARE(prompter.asked().size(), 2);
    const ScriptedPrompter::Asked &report = prompter.asked()[1];
    QCOMPARE(report.icon, platform::Icon::Critical);
    QVERIFY2(report.text.contains("диск переполнен"), qPrintable(report.text));
    QVERIFY2(report.text.contains("на диске остались прежними"), qPrintable(report.text));
    QVERIFY(!prompter.askedTexts().contains("Сохранено"));
    QVERIFY(!prompter.ended());
    QCOMPARE(disk_.files(), before);
    QCOMPARE(grid->item(3, 6)->text(), QString(" 2: 1")); // the table is still there
}

QTEST_MAIN(TestClassicFullDisk)
#include "tst_classic_fulldisk.moc"
