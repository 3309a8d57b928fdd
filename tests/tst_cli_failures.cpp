// soccer-cli's answers to scripts that go wrong: Russian help, and the exit codes of bad
// arguments (1), tables that cannot be read (2) and output that cannot be written (3), with
// no partial file left behind.
#include "core/files/tablefile.h"
#include "tst_cli_kit.h"
#include "tst_kit.h"
#include "tst_publish_kit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using clikit::Run;
using clikit::runCli;

class TestCliFailures : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void helpIsInRussian();
    void badArgumentsAndUnreadableTables_data();
    void badArgumentsAndUnreadableTables();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void fullFileSystemLeavesTheOldFile();
    void fullStandardOutput();
    void readOnlyFolder();

  private:
    QString path(const QString &name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
    QString season_;
};

void TestCliFailures::initTestCase() {
    QVERIFY(folder_.isValid());
    season_ = path(QStringLiteral("season.TFL"));
    soccer::writeTableFile(season_, *publishkit::playedLeague(18));
}

void TestCliFailures::helpIsInRussian() {
    const Run general = runCli({"--help"});
    QCOMPARE(general.exitCode, 0);
    const QString text = QString::fromUtf8(general.out);
    QVERIFY(text.startsWith(QStringLiteral("Использование: soccer-cli")));
    QVERIFY(text.contains(QStringLiteral("soccer-cli export")));
    QVERIFY(text.contains(QStringLiteral("soccer-cli show")));
    const Run exportHelp = runCli({"export", "--help"});
    QCOMPARE(exportHelp.exitCode, 0);
    const QString exportText = QString::fromUtf8(exportHelp.out);
    QVERIFY(exportText.contains(QStringLiteral("-f, --format <ФОРМАТ>")));
    QVERIFY(exportText.contains(QStringLiteral("-h, --help")));
    QVERIFY(exportText.contains(QStringLiteral("3 результат не записан")));
    QVERIFY(!exportText.contains(QStringLiteral("Displays")));
    const Run version = runCli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("soccer-cli "));
}

void TestCliFailures::badArgumentsAndUnreadableTables_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString missing = path(QStringLiteral("none.TFL"));
    QTest::newRow("no command") << QStringList() << 1 << "не указана команда";
    QTest::newRow("unknown command")
        << QStringList{"publish", "x.TFL"} << 1 << "неизвестная команда «publish»";
    QTest::newRow("unknown option") << QStringList{"export", "x.TFL", "--format", "csv", "--colour"}
                                    << 1 << "неизвестный параметр «--colour»";
    QTest::newRow("option without value")
        << QStringList{"export", "x.TFL", "--format"} << 1 << "после «--format» нужно значение";
    QTest::newRow("no format") << QStringList{"export", "x.TFL"} << 1 << "не указан формат";
    QTest::newRow("unknown format")
        << QStringList{"export", "x.TFL", "--format", "xls"} << 1 << "неизвестный формат «xls»";
    QTest::newRow("unknown table")
        << QStringList{"export", "x.TFL", "--format", "csv", "--table", "cross3"} << 1
        << "неизвестная таблица «cross3»";
    QTest::newRow("PDF to standard output")
        << QStringList{"export", "x.TFL", "--format", "pdf"} << 1 << "PDF не выводится";
    QTest::newRow("two tables") << QStringList{"export", "a.TFL", "b.TFL", "--format", "csv"} << 1
                                << "лишний аргумент «b.TFL»";
    QTest::newRow("no table") << QStringList{"show"} << 1 << "не указан файл таблицы";
    QTest::newRow("missing table")
        << QStringList{"export", missing, "--format", "csv"} << 2 << "Ошибка № 53: Файл не найден";
    QTest::newRow("missing table shown")
        << QStringList{"show", missing} << 2 << "таблица не прочитана";
    QTest::newRow("not a table") << QStringList{"export",
                                                SOCCER_TEST_DATA "/bundesliga-2015-16.csv",
                                                "--format", "html"}
                                 << 2 << "таблица не прочитана: Ошибка №";
}

void TestCliFailures::badArgumentsAndUnreadableTables() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run result = runCli(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith(QStringLiteral("soccer-cli: ")), qPrintable(result.err));
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestCliFailures::outputThatCannotBeWritten_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder")
        << "csv" << path(QStringLiteral("no/such/folder/out.csv")) << "Ошибка № 76: Путь не найден";
    QTest::newRow("PDF into a missing folder")
        << "pdf" << path(QStringLiteral("no/such/folder/out.pdf")) << "Ошибка № 76";
    QTest::newRow("a folder named as the file") << "html" << folder_.path() << "Ошибка № 75";
}

void TestCliFailures::outputThatCannotBeWritten() {
    QFETCH(QString, format);
    QFETCH(QString, out);
    QFETCH(QString, message);
    const Run result = runCli({"export", season_, "--format", format, "-o", out});
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(QStringLiteral("soccer-cli: файл не записан: ") + message),
             qPrintable(result.err));
    QVERIFY(!QFileInfo(out).isFile());
}

// A file-size limit stands in for a full disk (and works for root, whom permissions do not
// stop): the export fails part-way, and the file it was to replace stays as it was, with no
// temporary file left beside it.
void TestCliFailures::fullFileSystemLeavesTheOldFile() {
    QTemporaryDir target;
    QVERIFY(target.isValid());
    const QString out = target.filePath(QStringLiteral("table.html"));
    testkit::putFile(out, "old page");
    const Run result =
        runCli({"export", season_, "--format", "html", "-o", out}, [](QProcess &process) {
            process.setChildProcessModifier([] {
                const rlimit limit{4096, 4096};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_IGN);
            });
        });
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(QStringLiteral("файл не записан: Ошибка №")),
             qPrintable(result.err));
    QCOMPARE(testkit::fileBytes(out), QByteArray("old page"));
    QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"table.html"}));
}

void TestCliFailures::fullStandardOutput() {
    const Run result = runCli({"export", season_, "--format", "csv"}, [](QProcess &process) {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    });
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(QStringLiteral("вывод не записан: Ошибка № 61")),
             qPrintable(result.err));
}

void TestCliFailures::readOnlyFolder() {
    if (geteuid() == 0)
        QSKIP("root writes into a read-only folder; the file-size limit covers this case");
    QTemporaryDir target;
    QVERIFY(target.isValid());
    QVERIFY(QFile::setPermissions(target.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString out = target.filePath(QStringLiteral("out.csv"));
    const Run result = runCli({"export", season_, "--format", "csv", "-o", out});
    QFile::setPermissions(target.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(!QFileInfo::exists(out));
}

QTEST_GUILESS_MAIN(TestCliFailures)
#include "tst_cli_failures.moc"
