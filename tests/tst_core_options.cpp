// option.dat: its exact bytes, hand-written files, and the fallback when it is unusable.
#include "core/files/options.h"
#include "core/league/errors.h"
#include "tst_kit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace soccer;

namespace {

using testkit::errorNumberOf;
using testkit::fileBytes;
using testkit::putFile;

const QByteArray kStandardBytes = " 150  150  150 \r\n 200  200  200 \r\n 0  0  0 \r\n";

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { setProgramFolder(QString()); }

    void standardSchemeBytes();
    void writtenSchemeReadsBack();
    void handWrittenFiles_data();
    void handWrittenFiles();
    void malformedFiles_data();
    void malformedFiles();
    void missingFileGivesStandardAndWritesIt();
    void malformedFileIsReplacedByStandard();
    void componentsOutsideRangeAreClamped();
    void unwritableFolderStillGivesStandard();
    void programFolder();

  private:
    QTemporaryDir dir_;
    QString path(const QString &name) const { return dir_.filePath(name); }
};

void TestOptions::standardSchemeBytes() {
    QCOMPARE(optionsBytes(ColorScheme::standard()), kStandardBytes);
    writeOptionsFile(path("option.dat"), ColorScheme::standard());
    QCOMPARE(fileBytes(path("option.dat")), kStandardBytes);
}

void TestOptions::writtenSchemeReadsBack() {
    const ColorScheme scheme{{255, 0, 0}, {1, 1, 1}, {12, 34, 56}};
    QCOMPARE(optionsBytes(scheme), QByteArray(" 255  0  0 \r\n 1  1  1 \r\n 12  34  56 \r\n"));
    writeOptionsFile(path("custom.dat"), scheme);
    QCOMPARE(readOptionsFile(path("custom.dat")), scheme);
}

void TestOptions::handWrittenFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ColorScheme>("scheme");
    QTest::newRow("commas and blanks")
        << QByteArray("150,150,150\r\n200 200 200\r\n0 0 0\r\n") << ColorScheme::standard();
    QTest::newRow("line feeds only, no last line end")
        << QByteArray("150 150 150\n200 200 200\n0 0 0") << ColorScheme::standard();
    QTest::newRow("rest of line skipped")
        << QByteArray("255 0 0 red\r\n1 1 1 near black\r\n9 8 7\r\nextra\r\n")
        << ColorScheme{{255, 0, 0}, {1, 1, 1}, {9, 8, 7}};
    QTest::newRow("fractions rounded") << QByteArray("10.6 0.4 2.5\r\n0 0 0\r\n0 0 0\r\n")
                                       << ColorScheme{{11, 0, 3}, {0, 0, 0}, {0, 0, 0}};
    QTest::newRow("outside range kept as read")
        << QByteArray("300 -5 128\r\n0 0 0\r\n0 0 0\r\n")
        << ColorScheme{{300, -5, 128}, {0, 0, 0}, {0, 0, 0}};
}

void TestOptions::handWrittenFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(ColorScheme, scheme);
    QCOMPARE(parseOptions(bytes), scheme);
}

void TestOptions::malformedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::newRow("empty") << QByteArray() << int(ErrInputPastEnd);
    QTest::newRow("two lines") << QByteArray("1 2 3\r\n4 5 6\r\n") << int(ErrInputPastEnd);
    QTest::newRow("word") << QByteArray("grey 150 150\r\n0 0 0\r\n0 0 0\r\n")
                          << int(ErrTypeMismatch);
}

void TestOptions::malformedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    QCOMPARE(errorNumberOf([&] { parseOptions(bytes); }), number);
}

void TestOptions::missingFileGivesStandardAndWritesIt() {
    const QString file = path("option-missing.dat");
    QVERIFY(!QFile::exists(file));
    QCOMPARE(errorNumberOf([&] { readOptionsFile(file); }), int(ErrFileNotFound));
    QCOMPARE(loadColorScheme(file), ColorScheme::standard());
    QCOMPARE(fileBytes(file), kStandardBytes);
}

void TestOptions::malformedFileIsReplacedByStandard() {
    const QString file = path("option-bad.dat");
    putFile(file, "1 2\r\n");
    QCOMPARE(loadColorScheme(file), ColorScheme::standard());
    QCOMPARE(fileBytes(file), kStandardBytes);
}

void TestOptions::componentsOutsideRangeAreClamped() {
    const QString file = path("option-wild.dat");
    const QByteArray wild = "300 -5 128\r\n256 255 0\r\n1e6 -1e6 7\r\n";
    putFile(file, wild);
    const ColorScheme expected{{255, 0, 128}, {255, 255, 0}, {255, 0, 7}};
    QCOMPARE(loadColorScheme(file), expected);
    QCOMPARE(fileBytes(file), wild); // the user's file is not rewritten
}

void TestOptions::unwritableFolderStillGivesStandard() {
    putFile(path("plain"), "x");
    QCOMPARE(loadColorScheme(path("plain/option.dat")), ColorScheme::standard());
    QCOMPARE(loadColorScheme(path("no/such/folder/option.dat")), ColorScheme::standard());
}

void TestOptions::programFolder() {
    // Without an application object the program folder is the current one.
    QCOMPARE(soccer::programFolder(), QDir::currentPath());
    setProgramFolder(dir_.path());
    QCOMPARE(soccer::programFolder(), dir_.path());
    QCOMPARE(optionsFilePath(), dir_.path() + "/option.dat");
    QCOMPARE(loadColorScheme(), ColorScheme::standard());
    QCOMPARE(fileBytes(dir_.filePath("option.dat")), kStandardBytes);
}

QTEST_APPLESS_MAIN(TestOptions)
#include "tst_core_options.moc"
