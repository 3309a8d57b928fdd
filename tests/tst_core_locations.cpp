// Where the program's files live: a program folder of the user's own against an installed
// program, whose user's files go to the user's folders; and the colours each of them uses.
#include "core/files/locations.h"
#include "core/files/options.h"
#include "tst_kit.h"
#include "tst_kit_installation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace soccer;

namespace {

using testkit::fileBytes;
using testkit::Installation;
using testkit::putFile;

const QByteArray kDeliveredColors = " 10  20  30 \r\n 40  50  60 \r\n 70  80  90 \r\n";
const ColorScheme kDeliveredScheme{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};

} // namespace

class TestLocations : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { setProgramFolder(QString()); }

    void placementOfFolder_data();
    void placementOfFolder();
    void portableKeepsEverythingBesideTheProgram();
    void installedUsesTheUsersFolders();
    void deliveredFilesBesideTheProgramComeFirst();
    void installedColorsBeforeTheUserSavesAny_data();
    void installedColorsBeforeTheUserSavesAny();
    void installedSaveMakesTheFolderAndIsReadBack();
    void portableSaveWritesBesideTheProgram();
};

void TestLocations::placementOfFolder_data() {
    QTest::addColumn<QString>("layout"); // folders under a temporary root; "" for none
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<Placement>("expected");

    QTest::newRow("build/bin") << "build/bin"
                               << "build/bin" << true << Placement::Portable;
    QTest::newRow("read-only folder") << "opt/soccer"
                                      << "opt/soccer" << false << Placement::Installed;
    // Root may write to /usr/bin; an installation still keeps the user's files apart.
    QTest::newRow("writable installation") << "usr/bin,usr/share/soccer"
                                           << "usr/bin" << true << Placement::Installed;
    QTest::newRow("read-only installation") << "usr/bin,usr/share/soccer"
                                            << "usr/bin" << false << Placement::Installed;
    QTest::newRow("another program's share folder") << "usr/bin,usr/share/other"
                                                    << "usr/bin" << true << Placement::Portable;
}

void TestLocations::placementOfFolder() {
    QFETCH(QString, layout);
    QFETCH(QString, program);
    QFETCH(bool, writable);
    QFETCH(Placement, expected);
    QTemporaryDir root;
    for (const QString &folder : layout.split(','))
        QVERIFY(QDir(root.path()).mkpath(folder));
    QCOMPARE(placementOf(root.filePath(program), writable), expected);
}

void TestLocations::portableKeepsEverythingBesideTheProgram() {
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    QCOMPARE(placement(), Placement::Portable);
    QCOMPARE(optionsFilePath(), folder.filePath("option.dat"));
    QCOMPARE(tablesFolder(), folder.path());
    QCOMPARE(tablesBrowseFolder(), QDir::currentPath());
    QCOMPARE(classicDataFolder(), QDir::currentPath());
}

void TestLocations::installedUsesTheUsersFolders() {
    Installation installed;
    QCOMPARE(placement(), Placement::Installed);
    QCOMPARE(optionsFilePath(), installed.path("home/config/soccer/option.dat"));
    QCOMPARE(dataFolder(), installed.path("prefix/share/soccer"));
    QCOMPARE(deliveredClassicFolder(), installed.path("prefix/share/soccer/classic"));
    QCOMPARE(classicDataFolder(), installed.path("home/data/soccer-classic"));
    // No user-dirs.dirs names a documents folder, so it is ~/Documents; made when asked for.
    const QString tables = installed.path("home/Documents/soccer");
    QVERIFY(!QFileInfo::exists(tables));
    QCOMPARE(tablesFolder(), tables);
    QVERIFY(QFileInfo(tables).isDir());
    QCOMPARE(tablesBrowseFolder(), tables);
    // Only the folders asked for were made: the configuration waits for saved colours.
    QVERIFY(!QFileInfo::exists(installed.path("home/config/soccer")));
    QCOMPARE(QDir(installed.path("prefix/bin")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

void TestLocations::deliveredFilesBesideTheProgramComeFirst() {
    Installation installed;
    QCOMPARE(deliveredFile("help.html"), installed.path("prefix/share/soccer/help.html"));
    putFile(installed.path("prefix/bin/help.html"), "<html>");
    QCOMPARE(deliveredFile("help.html"), installed.path("prefix/bin/help.html"));
    QCOMPARE(deliveredFile("primer.TFL"), installed.path("prefix/share/soccer/primer.TFL"));
}

void TestLocations::installedColorsBeforeTheUserSavesAny_data() {
    QTest::addColumn<QByteArray>("delivered"); // "" for no delivered option.dat
    QTest::addColumn<ColorScheme>("expected");
    QTest::newRow("delivered colours") << kDeliveredColors << kDeliveredScheme;
    QTest::newRow("delivered out of range")
        << QByteArray(" 300 -5  30 \r\n 40  50  60 \r\n 70  80  90 \r\n")
        << ColorScheme{{255, 0, 30}, {40, 50, 60}, {70, 80, 90}};
    QTest::newRow("delivered damaged") << QByteArray(" 1  2\r\n") << ColorScheme::standard();
    QTest::newRow("nothing delivered") << QByteArray() << ColorScheme::standard();
}

void TestLocations::installedColorsBeforeTheUserSavesAny() {
    QFETCH(QByteArray, delivered);
    QFETCH(ColorScheme, expected);
    Installation installed;
    const QString deliveredPath = installed.path("prefix/share/soccer/option.dat");
    if (!delivered.isEmpty())
        putFile(deliveredPath, delivered);
    QCOMPARE(loadColorScheme(), expected);
    // Nothing is written: neither the user's file nor a repair of the delivered one.
    QVERIFY(!QFileInfo::exists(installed.path("home/config/soccer")));
    QCOMPARE(fileBytes(deliveredPath), delivered.isEmpty() ? QByteArray("<missing>") : delivered);
}

void TestLocations::installedSaveMakesTheFolderAndIsReadBack() {
    Installation installed;
    putFile(installed.path("prefix/share/soccer/option.dat"), kDeliveredColors);
    const ColorScheme chosen{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    saveColorScheme(chosen);
    QCOMPARE(fileBytes(installed.path("home/config/soccer/option.dat")), optionsBytes(chosen));
    QCOMPARE(loadColorScheme(), chosen);
    QCOMPARE(fileBytes(installed.path("prefix/share/soccer/option.dat")), kDeliveredColors);
    // A damaged file of the user's is repaired in the user's folder, as beside a program.
    putFile(installed.path("home/config/soccer/option.dat"), "x");
    QCOMPARE(loadColorScheme(), ColorScheme::standard());
    QCOMPARE(fileBytes(installed.path("home/config/soccer/option.dat")),
             optionsBytes(ColorScheme::standard()));
}

void TestLocations::portableSaveWritesBesideTheProgram() {
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    const ColorScheme chosen{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    saveColorScheme(chosen);
    QCOMPARE(fileBytes(folder.filePath("option.dat")), optionsBytes(chosen));
    QCOMPARE(loadColorScheme(), chosen);
    // A program folder that is gone is not made again, nor traded for the user's folders: the
    // save fails there and says so.
    setProgramFolder(folder.filePath("gone"));
    QCOMPARE(placement(), Placement::Portable);
    QVERIFY(testkit::errorNumberOf([&] { saveColorScheme(chosen); }) != 0);
    QVERIFY(!QFileInfo::exists(folder.filePath("gone")));
}

QTEST_APPLESS_MAIN(TestLocations)
#include "tst_core_locations.moc"
