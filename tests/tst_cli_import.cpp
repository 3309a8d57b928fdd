// soccer-cli import as a script runs it: the Bundesliga season 2015/16 imported into a blank
// table gives the table the replay enters score by score, byte for byte; refused lines write
// nothing unless --skip-bad; conflicts kept or taken; naming from the file; the exit codes.
#include "core/files/tablefile.h"
#include "core/league/score.h"
#include "tst_bundesliga_kit.h"
#include "tst_cli_kit.h"
#include "tst_kit.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace soccer;
using clikit::Run;

namespace {

const QStringList kNames = {QStringLiteral("Альфа"), QStringLiteral("Бета"),
                            QStringLiteral("Гамма"), QStringLiteral("Дельта")};

// Four named teams; `prepare` enters what the table holds before the import.
std::unique_ptr<League> namedLeague(const std::function<void(League &)> &prepare = {}) {
    auto league = std::make_unique<League>();
    league->teamCount = int(kNames.size());
    for (int t = 1; t <= league->teamCount; ++t)
        league->teamNames[t] = kNames[t - 1];
    if (prepare)
        prepare(*league);
    return league;
}

QByteArray bytesOf(const League &league) {
    return tableBytes(league);
}

QByteArray utf8Lines(const QStringList &lines) {
    return (lines.join(QStringLiteral("\n")) + u'\n').toUtf8();
}

// The season as openfootball writes it: { "name": ..., "matches": [ ... ] }.
QByteArray seasonJson() {
    QJsonArray matches;
    for (const bundesliga::Match &match : bundesliga::readMatches()) {
        const QStringList goals = match.answer.split(u' ');
        matches.append(
            QJsonObject{{QStringLiteral("team1"), match.home},
                        {QStringLiteral("team2"), match.away},
                        {QStringLiteral("score"),
                         QJsonObject{{QStringLiteral("ft"), QJsonArray{goals.value(0).toInt(),
                                                                       goals.value(1).toInt()}}}}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("name"), QStringLiteral("Bundesliga 2015/16")},
                                     {QStringLiteral("matches"), matches}})
        .toJson();
}

} // namespace

class TestCliImport : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void seasonIntoABlankTableIsTheReplay_data();
    void seasonIntoABlankTableIsTheReplay();
    void refusedLinesWriteNothingWithoutSkipBad();
    void conflictsKeepTheTableOrTakeTheFile_data();
    void conflictsKeepTheTableOrTakeTheFile();
    void namesThatDoNotFitAreOfferedAsOptions();
    void failures_data();
    void failures();
    void helpNamesEveryOption();

  private:
    QString path(const QString &name) const { return folder_.filePath(name); }
    QString fileWith(const QString &name, const QByteArray &bytes) const {
        const QString file = path(name);
        testkit::putFile(file, bytes);
        return file;
    }
    QString tableWith(const QString &name, const League &league) const {
        return fileWith(name, bytesOf(league));
    }

    QTemporaryDir folder_;
    QByteArray replayed_; // the season entered score by score, names as a table holds them
    QString seasonJson_;
};

void TestCliImport::initTestCase() {
    QVERIFY(folder_.isValid());
    auto season = std::make_unique<League>();
    QCOMPARE(bundesliga::replaySeason(*season).matches, 306);
    clikit::spellStorably(*season);
    replayed_ = bytesOf(*season);
    seasonJson_ = fileWith(QStringLiteral("season.json"), seasonJson());
}

void TestCliImport::seasonIntoABlankTableIsTheReplay_data() {
    QTest::addColumn<QString>("results"); // "csv" (the shared file itself) or "json"
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("blankExists");
    QTest::addColumn<QString>("naming"); // the report's line on the names
    const QString named = QStringLiteral("Команды таблицы будут названы по файлу:");
    const QString created = QStringLiteral("Будет создана новая таблица на 18 команд:");
    QTest::newRow("CSV over the table") << "csv" << QStringList() << true << named;
    QTest::newRow("CSV into another file") << "csv" << QStringList{"-o", "OUT"} << true << named;
    QTest::newRow("JSON over the table") << "json" << QStringList() << true << named;
    QTest::newRow("CSV as a new table") << "csv" << QStringList{"--new", "18"} << false << created;
    QTest::newRow("JSON as a new table over a blank one")
        << "json" << QStringList{"--new", "18", "-o", "OUT"} << true << created;
}

void TestCliImport::seasonIntoABlankTableIsTheReplay() {
    QFETCH(QString, results);
    QFETCH(QStringList, options);
    QFETCH(bool, blankExists);
    QFETCH(QString, naming);
    const QString table = path(QStringLiteral("blank.TFL"));
    const QString out = path(QStringLiteral("out.TFL"));
    QFile::remove(table);
    QFile::remove(out);
    const QByteArray blank = blankTableBytes(18);
    if (blankExists)
        testkit::putFile(table, blank);
    options.replaceInStrings(QStringLiteral("OUT"), out);
    const QString source = results == QLatin1String("json")
                               ? seasonJson_
                               : QStringLiteral(SOCCER_TEST_DATA "/bundesliga-2015-16.csv");
    const Run result = clikit::runCli(QStringList{"import", table, source} + options);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    const bool toOut = options.contains(out);
    QByteArray written = testkit::fileBytes(toOut ? out : table);
    if (results == QLatin1String("csv")) {
        // The shared file has rounds and dates: its 306 matches come along as calendar lines.
        QCOMPARE(written.count("\r\ncalendar: "), 306);
        written.truncate(written.indexOf("calendar: "));
    }
    QCOMPARE(written, replayed_);
    if (toOut)
        QCOMPARE(testkit::fileBytes(table), blankExists ? blank : QByteArray("<missing>"));
    const QString report = QString::fromUtf8(result.out);
    QVERIFY2(report.contains(naming + QStringLiteral("\n  1. Bayern Munchen\n")),
             qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Матчей со счётом в файле: 306\n")));
    QVERIFY(report.contains(QStringLiteral("Шахматная таблица (1): будет внесено 153 результата\n"
                                           "Шахматная таблица (2): будет внесено 153 результата")));
    QVERIFY(!report.contains(QStringLiteral("нельзя использовать")));
    QVERIFY(report.endsWith(QStringLiteral("Таблица записана: %1\n").arg(toOut ? out : table)));
}

// Line 1 is the header. Lines 2, 6 and 8 can be used; 3 to 5 and 7 cannot.
void TestCliImport::refusedLinesWriteNothingWithoutSkipBad() {
    const QByteArray bad = utf8Lines({"home,away,home_goals,away_goals", "Альфа,Бета,2,1",
                                      "Альфа,Зенит,1,0", " бета ,БЕТА,0,0", "Гамма,Дельта,2,x",
                                      "Бета,Альфа,0,0", "Альфа,Бета,3,3", "Гамма,Дельта,1,1"});
    const QString results = fileWith(QStringLiteral("bad.csv"), bad);
    const QByteArray before = bytesOf(*namedLeague());
    const QString table = tableWith(QStringLiteral("named.TFL"), *namedLeague());
    const QString out = path(QStringLiteral("skipped.TFL"));
    const QString refused =
        QStringLiteral("Строки, которые нельзя использовать (4):\n"
                       "  строка 3: неизвестная команда «Зенит»\n"
                       "  строка 4: команда «бета» играет сама с собой\n"
                       "  строка 5: счёт «2:x» — не число\n"
                       "  строка 7: 3-я встреча команд «Альфа» и «Бета»: в таблице место только "
                       "для двух\n");

    const Run refusing = clikit::runCli({"import", table, results, "-o", out});
    QCOMPARE(refusing.exitCode, 2);
    QCOMPARE(refusing.err, QStringLiteral("soccer-cli: строк отвергнуто: 4; таблица не записана "
                                          "(внести остальные: --skip-bad)\n"));
    const QString report = QString::fromUtf8(refusing.out);
    QVERIFY2(report.endsWith(refused), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Шахматная таблица (1): будет внесено 2 результата\n"
                                           "Шахматная таблица (2): будет внесено 1 результат\n")));
    QCOMPARE(testkit::fileBytes(table), before);
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(QDir(folder_.path()).entryList({"*.tmp", ".*"}, QDir::Files | QDir::Hidden),
             QStringList());

    const Run skipping = clikit::runCli({"import", table, results, "-o", out, "--skip-bad"});
    QCOMPARE(skipping.exitCode, 0);
    QCOMPARE(skipping.err, QString());
    QVERIFY(QString::fromUtf8(skipping.out).contains(refused));
    // The usable lines, entered as score entries: the pair's first meeting in cross-table 1,
    // its second (Бета at home) in cross-table 2.
    const auto expected = namedLeague([](League &league) {
        enterScore(league.crossTables[1], 1, 2, QStringLiteral("2 1"));
        enterScore(league.crossTables[2], 2, 1, QStringLiteral("0 0"));
        enterScore(league.crossTables[1], 3, 4, QStringLiteral("1 1"));
    });
    QCOMPARE(testkit::fileBytes(out), bytesOf(*expected));
    QCOMPARE(testkit::fileBytes(table), before);
}

void TestCliImport::conflictsKeepTheTableOrTakeTheFile_data() {
    QTest::addColumn<bool>("takeFile");
    QTest::newRow("the table's kept") << false;
    QTest::newRow("the file's taken") << true;
}

// The table has Альфа – Бета 2:1 and Гамма – Дельта 0:0 in cross-table 1; the file gives 1:1
// for the first (a conflict), 0:0 again for the second (the same) and a new Бета – Гамма.
void TestCliImport::conflictsKeepTheTableOrTakeTheFile() {
    QFETCH(bool, takeFile);
    const auto held = [](League &league) {
        enterScore(league.crossTables[1], 1, 2, QStringLiteral("2 1"));
        enterScore(league.crossTables[1], 3, 4, QStringLiteral("0 0"));
    };
    const QString table = tableWith(QStringLiteral("conflict.TFL"), *namedLeague(held));
    const QString results =
        fileWith(QStringLiteral("conflict.csv"),
                 utf8Lines({"Альфа;Бета;1;1", "Гамма;Дельта;0;0", "Бета;Гамма;3;0"}));
    // The table as the tool reads it (a score read back loses its leading blank), then the
    // entries the import makes.
    auto expected = std::make_unique<League>();
    readTableFile(table, *expected);
    if (takeFile)
        enterScore(expected->crossTables[1], 1, 2, QStringLiteral("1 1"));
    enterScore(expected->crossTables[1], 2, 3, QStringLiteral("3 0"));

    QStringList arguments{"import", table, results};
    if (takeFile)
        arguments << "--take-file";
    const Run result = clikit::runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(testkit::fileBytes(table), bytesOf(*expected));
    const QString report = QString::fromUtf8(result.out);
    QVERIFY2(report.contains(QStringLiteral("Расхождения с таблицей (1):\n  строка 1: Шахматная "
                                            "таблица (1), Альфа – Бета: в таблице 2:1, в файле "
                                            "1:1 — ") +
                             (takeFile ? QStringLiteral("будет записан счёт файла")
                                       : QStringLiteral("остаётся счёт таблицы"))),
             qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Уже в таблице с тем же счётом: 1 результат")));
    QVERIFY(report.contains(QStringLiteral("Шахматная таблица (1): будет внесено %1")
                                .arg(takeFile ? "2 результата" : "1 результат")));
}

// A table with names of its own is renamed only when asked; a file with another number of
// teams needs a new table. The window offers both; the report names the option for each.
void TestCliImport::namesThatDoNotFitAreOfferedAsOptions() {
    const QString others =
        fileWith(QStringLiteral("others.csv"), utf8Lines({"Север,Юг,1,0", "Запад,Восток,2,2"}));
    const QByteArray before = bytesOf(*namedLeague());
    const QString table = tableWith(QStringLiteral("own names.TFL"), *namedLeague());

    const Run offered = clikit::runCli({"import", table, others});
    QCOMPARE(offered.exitCode, 2);
    QVERIFY2(offered.out.contains(QStringLiteral("Ни одна команда файла не найдена в таблице. "
                                                 "Можно назвать команды таблицы по файлу")
                                      .toUtf8()),
             offered.out.constData());
    QVERIFY(offered.out.contains("Назвать команды таблицы по файлу: параметр --rename.\n"));
    QCOMPARE(testkit::fileBytes(table), before);

    const Run renamed = clikit::runCli({"import", table, others, "--rename"});
    QCOMPARE(renamed.exitCode, 0);
    auto back = std::make_unique<League>();
    readTableFile(table, *back);
    QCOMPARE((QStringList{back->teamNames[1], back->teamNames[2], back->teamNames[3],
                          back->teamNames[4]}),
             QStringList({"Север", "Юг", "Запад", "Восток"}));
    QCOMPARE(back->crossTables[1].cells[3][4].trimmed(), QStringLiteral("2: 2"));

    const QString blank = fileWith(QStringLiteral("blank18.TFL"), blankTableBytes(18));
    const Run tooFew = clikit::runCli({"import", blank, others});
    QCOMPARE(tooFew.exitCode, 2);
    QVERIFY(tooFew.out.contains("Создать новую таблицу с командами файла: параметр --new 4.\n"));
    QCOMPARE(testkit::fileBytes(blank), blankTableBytes(18));
}

void TestCliImport::failures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString table = path(QStringLiteral("failures.TFL"));
    const QString results = path(QStringLiteral("failures.csv"));
    const QString missing = path(QStringLiteral("none.csv"));
    QTest::newRow("no results file")
        << QStringList{"import", table} << 1 << "не указан файл результатов";
    QTest::newRow("too few teams") << QStringList{"import", table, results, "--new", "3"} << 1
                                   << "--new: нужно число команд от 4 до 99, а не «3»";
    QTest::newRow("not a count") << QStringList{"import", table, results, "--new", "all"} << 1
                                 << "а не «all»";
    QTest::newRow("rename and new")
        << QStringList{"import", table, results, "--new", "18", "--rename"} << 1
        << "--rename и --new не указываются вместе";
    QTest::newRow("table to standard output") << QStringList{"import", table, results, "-o", "-"}
                                              << 1 << "таблица не выводится на стандартный вывод";
    QTest::newRow("missing table")
        << QStringList{"import", path(QStringLiteral("none.TFL")), results} << 2
        << "таблица не прочитана: Ошибка № 53";
    QTest::newRow("missing results file")
        << QStringList{"import", table, missing} << 2 << "импорт невозможен; таблица не записана";
    QTest::newRow("output into a missing folder")
        << QStringList{"import", table, results, "-o", path(QStringLiteral("no/such/x.TFL"))} << 3
        << "файл не записан: Ошибка № 76";
}

void TestCliImport::failures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QByteArray before = bytesOf(*namedLeague());
    testkit::putFile(path(QStringLiteral("failures.TFL")), before);
    testkit::putFile(path(QStringLiteral("failures.csv")), utf8Lines({"Альфа,Бета,1,0"}));
    const Run result = clikit::runCli(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.startsWith(QStringLiteral("soccer-cli: ")), qPrintable(result.err));
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(testkit::fileBytes(path(QStringLiteral("failures.TFL"))), before);
}

void TestCliImport::helpNamesEveryOption() {
    const Run help = clikit::runCli({"import", "--help"});
    QCOMPARE(help.exitCode, 0);
    const QString text = QString::fromUtf8(help.out);
    for (const char *option : {"--new <N>", "--rename", "--take-file", "--skip-bad",
                               "-o, --output <ФАЙЛ.TFL>", "3 результат не записан"})
        QVERIFY2(text.contains(QString::fromUtf8(option)), option);
    const Run general = clikit::runCli({"--help"});
    QVERIFY(general.out.contains("soccer-cli import ТАБЛИЦА.TFL РЕЗУЛЬТАТЫ.csv|json"));
}

QTEST_GUILESS_MAIN(TestCliImport)
#include "tst_cli_import.moc"
