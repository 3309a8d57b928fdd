// Reading whole files: what stands at a path that is not a plain file, files without read
// permission, files too large to be tables, and the error numbers of system errors.
#include "core/files/tablefile.h"
#include "core/files/wholefile.h"
#include "core/league/errors.h"
#include "core/league/league.h"
#include "tst_kit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace soccer;
using testkit::putFile;

namespace {

// A failure's number and reason; number 0 when the read succeeds.
struct Failure {
    int number = 0;
    QString reason;
};

Failure failureOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const CoreError &error) {
        return {error.number(), error.reason()};
    }
    return {};
}

bool makeSocket(const QString &path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || std::size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd); // the socket file stays
    return bound;
}

bool makeSparseFile(const QString &path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

// Runs `action` with the file permissions of an ordinary user: as root, setfsuid drops the
// rights to read and write any file for this thread, and gives them back afterwards.
void asOrdinaryUser(const std::function<void()> &action) {
    if (geteuid() != 0) {
        action();
        return;
    }
    const uid_t nobody = 65534;
    ::setfsuid(nobody);
    const bool dropped = int(::setfsuid(nobody)) == int(nobody);
    action();
    ::setfsuid(0);
    QVERIFY(dropped);
}

} // namespace

class TestWholeFile : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void whatIsNotAPlainFileIsNamed_data();
    void whatIsNotAPlainFileIsNamed();
    void brokenLinkIsAMissingFile();
    void fileWithoutReadPermissionIsDeniedAccess();
    void filesOverSixteenMegabytesAreNotRead();
    void tooLargeTableLeavesLeagueUntouched();
    void systemErrorNumbers_data();
    void systemErrorNumbers();

  private:
    QString path(const QString &name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestWholeFile::whatIsNotAPlainFileIsNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("plain file") << "plain"
                                << "";
    QTest::newRow("folder") << "folder"
                            << "это папка";
    QTest::newRow("named pipe") << "pipe"
                                << "это именованный канал";
    QTest::newRow("device") << "/dev/null"
                            << "это устройство";
    QTest::newRow("socket") << "socket"
                            << "это сокет";
    QTest::newRow("link loop") << "loop1"
                               << "ссылки образуют петлю";
    QTest::newRow("link to a folder") << "to-folder"
                                      << "это папка";
}

// A pipe without a writer would keep an open for reading waiting for ever: refusing it at
// once is what lets this test finish at all.
void TestWholeFile::whatIsNotAPlainFileIsNamed() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    putFile(path("plain"), "bytes");
    QVERIFY(QDir(dir_->path()).mkdir("folder"));
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0644), 0);
    QVERIFY(makeSocket(path("socket")));
    QVERIFY(QFile::link(path("loop2"), path("loop1")));
    QVERIFY(QFile::link(path("loop1"), path("loop2")));
    QVERIFY(QFile::link(path("folder"), path("to-folder")));
    const QString target = name.startsWith('/') ? name : path(name);

    QCOMPARE(describePathKind(target), kind);
    const Failure failure = failureOf([&] { readWholeFile(target); });
    QCOMPARE(failure.number, kind.isEmpty() ? 0 : int(ErrPathAccess));
    QCOMPARE(failure.reason, kind);
    if (name != "/dev/null") {
        const Failure save = failureOf([&] { saveWholeFile(target, "new"); });
        QCOMPARE(save.number, kind.isEmpty() ? 0 : int(ErrPathAccess));
    }
}

void TestWholeFile::brokenLinkIsAMissingFile() {
    QVERIFY(QFile::link(path("nowhere"), path("broken")));
    QCOMPARE(describePathKind(path("broken")), QString());
    QCOMPARE(failureOf([&] { readWholeFile(path("broken")); }).number, int(ErrFileNotFound));
    QCOMPARE(describePathKind(path("missing")), QString());
}

void TestWholeFile::fileWithoutReadPermissionIsDeniedAccess() {
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther));
    putFile(path("secret.tfl"), blankTableBytes(4));
    QVERIFY(QFile::setPermissions(path("secret.tfl"), QFile::WriteOwner));
    Failure failure;
    asOrdinaryUser([&] { failure = failureOf([&] { readWholeFile(path("secret.tfl")); }); });
    QCOMPARE(failure.number, int(ErrPermissionDenied));
}

void TestWholeFile::filesOverSixteenMegabytesAreNotRead() {
    QVERIFY(makeSparseFile(path("largest"), kLargestReadableFile));
    QCOMPARE(readWholeFile(path("largest")).size(), kLargestReadableFile);
    QVERIFY(makeSparseFile(path("one byte more"), kLargestReadableFile + 1));
    const Failure failure = failureOf([&] { readWholeFile(path("one byte more")); });
    QCOMPARE(failure.number, int(ErrPathAccess));
    QVERIFY2(failure.reason.contains(QStringLiteral("больше 16 МБ")), qPrintable(failure.reason));
    // Sixty-four gigabytes (sparse) would not fit in memory: refused without reading.
    QVERIFY(makeSparseFile(path("huge"), qint64(64) << 30));
    QCOMPARE(failureOf([&] { readWholeFile(path("huge")); }).number, int(ErrPathAccess));
}

void TestWholeFile::tooLargeTableLeavesLeagueUntouched() {
    QByteArray bytes = blankTableBytes(4);
    bytes += QByteArray(kLargestReadableFile, ' ');
    putFile(path("large.tfl"), bytes);
    auto league = std::make_unique<League>();
    league->teamCount = 2;
    league->teamNames[1] = QStringLiteral("Спартак");
    league->crossTables[1].cells[1][2] = QStringLiteral(" 2: 1");
    QCOMPARE(failureOf([&] { readTableFile(path("large.tfl"), *league); }).number,
             int(ErrPathAccess));
    QCOMPARE(league->teamCount, 2);
    QCOMPARE(league->teamNames[1], QStringLiteral("Спартак"));
    QCOMPARE(league->crossTables[1].cells[1][2], QStringLiteral(" 2: 1"));
}

void TestWholeFile::systemErrorNumbers_data() {
    QTest::addColumn<int>("errnoValue");
    QTest::addColumn<int>("number");
    QTest::newRow("no such file") << ENOENT << int(ErrFileNotFound);
    QTest::newRow("a file used as a folder") << ENOTDIR << int(ErrPathNotFound);
    QTest::newRow("no read permission") << EACCES << int(ErrPermissionDenied);
    QTest::newRow("operation not permitted") << EPERM << int(ErrPermissionDenied);
    QTest::newRow("read-only file system") << EROFS << int(ErrPermissionDenied);
    QTest::newRow("no space left") << ENOSPC << int(ErrDiskFull);
    QTest::newRow("quota exceeded") << EDQUOT << int(ErrDiskFull);
    QTest::newRow("link loop") << ELOOP << int(ErrPathAccess);
    QTest::newRow("a folder") << EISDIR << int(ErrPathAccess);
    QTest::newRow("name too long") << ENAMETOOLONG << int(ErrBadFileName);
    QTest::newRow("input/output error") << EIO << int(ErrDeviceIo);
    QTest::newRow("anything else") << EBADF << -1;
}

void TestWholeFile::systemErrorNumbers() {
    QFETCH(int, errnoValue);
    QFETCH(int, number);
    QCOMPARE(fileErrorNumber(errnoValue, -1), number);
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_core_wholefile.moc"
