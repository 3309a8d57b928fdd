// Saving and reading under any name the user gives, on every system: Cyrillic folders and
// names (on Windows they go to the system as wide characters, not through the ANSI code page),
// the old file replaced with no temporary file left beside it; on Windows also both kinds of
// separator, and Windows' own errors as the error numbers the user is shown.
#include "core/files/wholefile.h"
#include "core/league/errors.h"
#include "tst_kit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace soccer;
using testkit::cp1251;

class TestSaveFile : public QObject {
    Q_OBJECT

  private slots:
    void savedBytesAreReadBack_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("Cyrillic name") << "" << QStringLiteral("Высшая лига.TFL");
        QTest::newRow("Cyrillic folder") << QStringLiteral("Сезон 2024/Итоги") << "table.TFL";
        QTest::newRow("letters outside code page 1251")
            << QStringLiteral("Åström ĳ") << QStringLiteral("Ωmega 日本.TFL");
    }

    void savedBytesAreReadBack() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QTemporaryDir root;
        const QDir dir(root.filePath(folder));
        QVERIFY(QDir().mkpath(dir.path()));
        const QString path = dir.filePath(name);
        const QByteArray first = cp1251(QStringLiteral("Спартак\r\n")), second = "2:1\r\n";

        saveWholeFile(path, first);
        QCOMPARE(readWholeFile(path), first);
        saveWholeFile(path, second);
        QCOMPARE(readWholeFile(path), second);
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{name});
        QCOMPARE(describePathKind(path), QString());
        QCOMPARE(describePathKind(dir.path()), QStringLiteral("это папка"));
    }

#ifdef Q_OS_WIN
    void backslashesAndSlashesNameOneFile() {
        QTemporaryDir root;
        const QString slashes = root.filePath(QStringLiteral("Таблица.TFL"));
        saveWholeFile(QDir::toNativeSeparators(slashes), "bytes");
        QCOMPARE(readWholeFile(slashes), QByteArray("bytes"));
    }

    void windowsErrorNumbers_data() {
        QTest::addColumn<int>("systemError");
        QTest::addColumn<int>("number");
        QTest::newRow("no such file") << int(ERROR_FILE_NOT_FOUND) << int(ErrFileNotFound);
        QTest::newRow("no such folder") << int(ERROR_PATH_NOT_FOUND) << int(ErrPathNotFound);
        QTest::newRow("access denied") << int(ERROR_ACCESS_DENIED) << int(ErrPermissionDenied);
        QTest::newRow("used by another program")
            << int(ERROR_SHARING_VIOLATION) << int(ErrPermissionDenied);
        QTest::newRow("write-protected") << int(ERROR_WRITE_PROTECT) << int(ErrPermissionDenied);
        QTest::newRow("disk full") << int(ERROR_DISK_FULL) << int(ErrDiskFull);
        QTest::newRow("disk full at the end of a file")
            << int(ERROR_HANDLE_DISK_FULL) << int(ErrDiskFull);
        QTest::newRow("quota exceeded") << 1295 << int(ErrDiskFull);
        QTest::newRow("invalid name") << int(ERROR_INVALID_NAME) << int(ErrBadFileName);
        QTest::newRow("name too long") << int(ERROR_FILENAME_EXCED_RANGE) << int(ErrBadFileName);
        QTest::newRow("write fault") << int(ERROR_WRITE_FAULT) << int(ErrDeviceIo);
        QTest::newRow("anything else") << int(ERROR_INVALID_HANDLE) << -1;
    }

    void windowsErrorNumbers() {
        QFETCH(int, systemError);
        QFETCH(int, number);
        QCOMPARE(fileErrorNumber(systemError, -1), number);
    }
#endif
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_core_savefile.moc"
