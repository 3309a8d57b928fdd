// The code pages of table files: tables written by other programs in UTF-8 are read, every
// table is written in code page 1251, and a text that code page cannot hold is refused before
// anything is written.
#include "core/files/tablefile.h"
#include "core/league/errors.h"
#include "core/league/score.h"
#include "tst_kit.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace soccer;
using testkit::cp1251;
using testkit::errorNumberOf;
using testkit::fileBytes;
using testkit::putFile;

namespace {

const QByteArray kUtf8Mark = "\xEF\xBB\xBF";

// A two-team table with a result, its names in the given bytes.
QByteArray tableWithNames(const QByteArray &first, const QByteArray &second) {
    auto league = std::make_unique<League>();
    league->teamCount = 2;
    league->teamNames[1] = "FIRST";
    league->teamNames[2] = "SECOND";
    enterScore(league->crossTables[1], 1, 2, "2 1");
    return tableBytes(*league).replace("FIRST", first).replace("SECOND", second);
}

} // namespace

class TestTableCoding : public QObject {
    Q_OBJECT

  private slots:
    void tablesOfEitherCodingAreRead_data();
    void tablesOfEitherCodingAreRead();
    void utf8TableIsSavedInCodePage1251();
    void unstorableTextsAreNotWritten_data();
    void unstorableTextsAreNotWritten();

  private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void TestTableCoding::tablesOfEitherCodingAreRead_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString spartak = QStringLiteral("Спартак «Ёж» №1");
    const QString zenit = QStringLiteral("Зенит");
    const QString atletico = QStringLiteral("Atlético Madrid");
    QTest::newRow("code page 1251")
        << tableWithNames(cp1251(spartak), cp1251(zenit)) << spartak << zenit;
    QTest::newRow("UTF-8 with the byte-order mark")
        << kUtf8Mark + tableWithNames(spartak.toUtf8(), zenit.toUtf8()) << spartak << zenit;
    QTest::newRow("UTF-8 without a mark")
        << tableWithNames(spartak.toUtf8(), zenit.toUtf8()) << spartak << zenit;
    QTest::newRow("the mark before ASCII only")
        << kUtf8Mark + tableWithNames("Team A", "Team B") << "Team A"
        << "Team B";
    QTest::newRow("UTF-8 with letters outside 1251")
        << tableWithNames(atletico.toUtf8(), "CD Legan\xC3\xA9s") << atletico
        << QStringLiteral("CD Leganés");
    // One 1251 name that is not UTF-8 makes the whole file 1251, even where another name
    // would pass for UTF-8 ("Рё" is "и" in UTF-8).
    QTest::newRow("1251 that is partly valid UTF-8")
        << tableWithNames(cp1251(QStringLiteral("Рё")), cp1251(zenit)) << QStringLiteral("Рё")
        << zenit;
}

void TestTableCoding::tablesOfEitherCodingAreRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, first);
    QFETCH(QString, second);
    putFile(path("t.tfl"), bytes);
    auto league = std::make_unique<League>();
    readTableFile(path("t.tfl"), *league);
    QCOMPARE(league->teamCount, 2);
    QCOMPARE(league->teamNames[1], first);
    QCOMPARE(league->teamNames[2], second);
    QCOMPARE(league->crossTables[1].cells[1][2],
             QStringLiteral("2: 1")); // blanks before a text are skipped
    QCOMPARE(league->crossTables[1].stats[1].points, 3.0);
}

void TestTableCoding::utf8TableIsSavedInCodePage1251() {
    const QString name = QStringLiteral("Спартак");
    putFile(path("utf8.tfl"), kUtf8Mark + tableWithNames(name.toUtf8(), "Zenit"));
    putFile(path("1251.tfl"), tableWithNames(cp1251(name), "Zenit"));
    for (const char *file : {"utf8.tfl", "1251.tfl"}) {
        auto league = std::make_unique<League>();
        readTableFile(path(file), *league);
        writeTableFile(path(file), *league);
    }
    QCOMPARE(fileBytes(path("utf8.tfl")), fileBytes(path("1251.tfl")));
    QVERIFY(fileBytes(path("utf8.tfl")).contains(cp1251(name)));
}

void TestTableCoding::unstorableTextsAreNotWritten_data() {
    QTest::addColumn<int>("team");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cell");
    QTest::newRow("first name") << 1 << "Atlético Madrid"
                                << "";
    QTest::newRow("last name") << 2 << "CD Leganés"
                               << "";
    QTest::newRow("a character outside the BMP") << 2 << "Club \U0001F600"
                                                 << "";
    QTest::newRow("a cell") << 0 << ""
                            << "2\u22361";
}

void TestTableCoding::unstorableTextsAreNotWritten() {
    QFETCH(int, team);
    QFETCH(QString, name);
    QFETCH(QString, cell);
    const QByteArray old = tableWithNames("Old", "Table");
    putFile(path("old.tfl"), old);
    auto league = std::make_unique<League>();
    readTableFile(path("old.tfl"), *league);
    if (team > 0)
        league->teamNames[team] = name;
    else
        league->crossTables[2].cells[2][1] = cell;

    try {
        writeTableFile(path("old.tfl"), *league);
        QFAIL("a text outside code page 1251 was written");
    } catch (const CoreError &error) {
        QCOMPARE(error.number(), int(ErrInvalidArgument));
        QVERIFY2(error.reason().contains(team > 0 ? name : cell), qPrintable(error.reason()));
    }
    QCOMPARE(fileBytes(path("old.tfl")), old);
    QCOMPARE(errorNumberOf([&] { writeTableFile(path("new.tfl"), *league); }),
             int(ErrInvalidArgument));
    QVERIFY(!QFileInfo::exists(path("new.tfl")));
}

QTEST_APPLESS_MAIN(TestTableCoding)
#include "tst_core_tablecoding.moc"
