// Reading result files: the encoding, the CSV separator, header and quotes, the openfootball
// JSON layouts, the line numbers of what cannot be used, and the limits on size.
#include "core/import/importnames.h"
#include "core/import/importreader.h"
#include "core/publish/csvtable.h"
#include "tst_kit.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace soccer;

namespace {

// One match as "line|home|away|goals:goals|round|date" ("+:-" for a technical result).
QString describe(const ImportedMatch &match) {
    if (!match.technical.isEmpty())
        return QStringLiteral("%1|%2|%3|%4|%5|%6")
            .arg(match.line)
            .arg(match.home, match.away, match.technical, match.round, match.date);
    return QStringLiteral("%1|%2|%3|%4:%5|%6|%7")
        .arg(match.line)
        .arg(match.home, match.away)
        .arg(match.homeGoals)
        .arg(match.awayGoals)
        .arg(match.round, match.date);
}

QStringList described(const ImportedFile &file) {
    QStringList lines;
    for (const ImportedMatch &match : file.matches)
        lines.append(describe(match));
    return lines;
}

// One problem as "line: reason".
QStringList problems(const ImportedFile &file) {
    QStringList lines;
    for (const LineProblem &problem : file.problems)
        lines.append(QStringLiteral("%1: %2").arg(problem.line).arg(problem.reason));
    return lines;
}

QByteArray utf8(const char *text) {
    return QByteArray(text);
}

} // namespace

class TestImportRead : public QObject {
    Q_OBJECT

  private slots:
    void encodingIsDetected_data();
    void encodingIsDetected();
    void csvLayouts_data();
    void csvLayouts();
    void csvLinesThatCannotBeUsed();
    void csvHeaderWithoutGoalColumns();
    void csvNamesGuardedAgainstFormulasReadBack();
    void jsonMatchesWithLines();
    void jsonRoundsAndRepeatedKeys();
    void jsonThatCannotBeUsed_data();
    void jsonThatCannotBeUsed();
    void filesTooLargeAreRefused();
    void tooManyLinesAreRefused();
    void missingFile();
    void storableSpelling_data();
    void storableSpelling();
    void namesMatchIgnoringCaseAndBlanks();
};

void TestImportRead::encodingIsDetected_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");

    const QString russian = QStringLiteral("Спартак;Динамо;2;1");
    QTest::newRow("ASCII") << utf8("A,B,1,0") << int(TextEncoding::Utf8) << "A,B,1,0";
    QTest::newRow("UTF-8") << russian.toUtf8() << int(TextEncoding::Utf8) << russian;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + russian.toUtf8()
                                     << int(TextEncoding::Utf8WithMark) << russian;
    QTest::newRow("1251") << testkit::cp1251(russian) << int(TextEncoding::CodePage1251) << russian;
    QTest::newRow("1251 with ё") << testkit::cp1251(QStringLiteral("Ёлки;Йошкар-Ола;0;0"))
                                 << int(TextEncoding::CodePage1251)
                                 << QStringLiteral("Ёлки;Йошкар-Ола;0;0");
    // A multi-byte sequence cut off at the end is not UTF-8.
    QTest::newRow("UTF-8 cut at the end")
        << QByteArray("A,B,1,0\xD0") << int(TextEncoding::CodePage1251)
        << QStringLiteral("A,B,1,0Р");
    QByteArray utf16 = QByteArray("\xFF\xFE");
    for (QChar ch : russian)
        utf16 += QByteArray(reinterpret_cast<const char *>(&ch), 2);
    QTest::newRow("UTF-16 with mark") << utf16 << int(TextEncoding::Utf16Little) << russian;
}

void TestImportRead::encodingIsDetected() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(int(decoded.encoding), encoding);
    QCOMPARE(decoded.text, text);
}

void TestImportRead::csvLayouts_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QStringList>("matches");

    QTest::newRow("commas, no header")
        << utf8("Spartak,Dinamo,2,1\nZenit,CSKA,0,0\n") << "," << false
        << QStringList{"1|Spartak|Dinamo|2:1||", "2|Zenit|CSKA|0:0||"};
    QTest::newRow("semicolons, names with commas")
        << QStringLiteral("Динамо, Москва;Спартак;1;1\r\nЗенит;Ротор, Волгоград;0;2\r\n").toUtf8()
        << ";" << false
        << QStringList{QStringLiteral("1|Динамо, Москва|Спартак|1:1||"),
                       QStringLiteral("2|Зенит|Ротор, Волгоград|0:2||")};
    QTest::newRow("technical results, goal columns and one score column")
        << utf8("home,away,home_goals,away_goals\nA,B,+,-\nC,D, - , - \n") << "," << true
        << QStringList{"2|A|B|+:-||", "3|C|D|-:-||"};
    QTest::newRow("technical results in a score column")
        << utf8("Team 1,FT,Team 2\nA,-:+,B\nC,+-,D\n") << "," << true
        << QStringList{"2|A|B|-:+||", "3|C|D|+:-||"};
    QTest::newRow("tabs, blanks around fields")
        << utf8("  A B \t C\t 3\t2 \n") << "\t" << false << QStringList{"1|A B|C|3:2||"};
    QTest::newRow("English header with a column not used")
        << utf8("half,round,date,home,away,home_goals,away_goals\n"
                "1,1,2015-08-14,Bayern,Hamburg,5,0\n")
        << "," << true << QStringList{"2|Bayern|Hamburg|5:0|1|2015-08-14"};
    QTest::newRow("Russian header in another order")
        << QStringLiteral("Гости;Хозяева;Голы гостей;Голы хозяев;Дата\nB;A;0;5;1 мая\n").toUtf8()
        << ";" << true << QStringList{QStringLiteral("2|A|B|5:0||1 мая")};
    QTest::newRow("openfootball CSV: one score column")
        << utf8("Round,Date,Team 1,FT,HT,Team 2\n"
                "1,Fri Aug 14 2015,Bayern,5-0,1-0,Hamburg\n"
                "1,Sat Aug 15 2015,Koln,3:1,1-0,Stuttgart\n")
        << "," << true
        << QStringList{"2|Bayern|Hamburg|5:0|1|Fri Aug 14 2015",
                       "3|Koln|Stuttgart|3:1|1|Sat Aug 15 2015"};
    QTest::newRow("football-data header, wide lines")
        << utf8("Div,Date,HomeTeam,AwayTeam,FTHG,FTAG,FTR,B365H\n"
                "D1,14/08/15,Bayern Munich,Hamburg,5,0,H,1.1\n")
        << "," << true << QStringList{"2|Bayern Munich|Hamburg|5:0||14/08/15"};
    QTest::newRow("header of unknown names, skipped")
        << QStringLiteral("Кто;С кем;Забил;Пропустил\nA;B;1;0\n").toUtf8() << ";" << true
        << QStringList{"2|A|B|1:0||"};
    QTest::newRow("teams called like columns, no header")
        << QStringLiteral("Команда 1;Команда 2;3;0\nTeam 2;Команда 1;1;1\n").toUtf8() << ";"
        << false
        << QStringList{QStringLiteral("1|Команда 1|Команда 2|3:0||"),
                       QStringLiteral("2|Team 2|Команда 1|1:1||")};
    QTest::newRow("round and date before the match")
        << utf8("5,2015-09-01,A,B,1,2\n7,C,D,0,0\n2015-09-02,E,F,3,3\n") << "," << false
        << QStringList{"1|A|B|1:2|5|2015-09-01", "2|C|D|0:0|7|", "3|E|F|3:3||2015-09-02"};
    QTest::newRow("quotes: separators, doubled quotes and line breaks inside")
        << utf8("\"Spartak, Moscow\",\"Dinamo \"\"Kyiv\"\"\",1,0\n"
                "\"Multi\nline\",B,2,2\n"
                "C,D,3,3\n")
        << "," << false
        << QStringList{"1|Spartak, Moscow|Dinamo \"Kyiv\"|1:0||", "2|Multi\nline|B|2:2||",
                       "4|C|D|3:3||"};
    QTest::newRow("blank lines, a separator at the end, CR line ends")
        << utf8("\r\nA,B,1,0,\r\r\nC,D,2,2") << "," << false
        << QStringList{"2|A|B|1:0||", "4|C|D|2:2||"};
}

void TestImportRead::csvLayouts() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(bool, header);
    QFETCH(QStringList, matches);
    const ImportedFile file = readImportBytes(bytes);
    QVERIFY2(file.usable(), qPrintable(file.problem));
    QCOMPARE(int(file.source.format), int(ImportFormat::Csv));
    QCOMPARE(QString(file.source.separator), separator);
    QCOMPARE(file.source.header, header);
    QCOMPARE(problems(file), QStringList());
    QCOMPARE(described(file), matches);
}

void TestImportRead::csvLinesThatCannotBeUsed() {
    const ImportedFile file = readImportBytes(utf8("home,away,home_goals,away_goals\n"
                                                   "A,B,1,0\n"
                                                   "A,B\n"
                                                   ",B,1,1\n"
                                                   "A,B,x,1\n"
                                                   "A,B,-1,1\n"
                                                   "A,B,1.5,1\n"
                                                   "\n"
                                                   "C,D,,\n"
                                                   "\"E,F,1,1\n"
                                                   "G,H,1,1\n"));
    QVERIFY(file.usable());
    QCOMPARE(described(file), QStringList{"2|A|B|1:0||"});
    QCOMPARE(file.withoutScore, 1);
    QCOMPARE(problems(file), (QStringList{
                                 QStringLiteral("3: в строке 2 полей, а по заголовку нужно 4"),
                                 QStringLiteral("4: не указана команда"),
                                 QStringLiteral("5: счёт «x:1» — не число"),
                                 QStringLiteral("6: счёт «-1:1» — не число"),
                                 QStringLiteral("7: счёт «1.5:1» — не число"),
                                 QStringLiteral("10: кавычка не закрыта до конца файла"),
                             }));

    // Read by position, a line's last four fields are the match: a line too wide to keep all
    // its fields cannot be read that way.
    const QByteArray wide = QByteArray("x,").repeated(70) + "A,B,1,0\n";
    const ImportedFile positional =
        readImportBytes("A,B,1,0\nA,B,1\nA;B;1;0\nC,D,2,2\n" + wide + "E,F,0,0\n");
    QCOMPARE(described(positional), (QStringList{"1|A|B|1:0||", "4|C|D|2:2||", "6|E|F|0:0||"}));
    QCOMPARE(problems(positional),
             (QStringList{QStringLiteral("2: в строке меньше четырёх полей (хозяева, гости, голы "
                                         "хозяев, голы гостей)"),
                          QStringLiteral("3: в строке меньше четырёх полей (хозяева, гости, голы "
                                         "хозяев, голы гостей)"),
                          QStringLiteral("5: в строке больше 64 полей")}));
}

void TestImportRead::csvHeaderWithoutGoalColumns() {
    const ImportedFile file = readImportBytes(utf8("date,home,away,goals\n1 May,A,B,1\n"));
    QVERIFY(!file.usable());
    QVERIFY(file.matches.empty());
    QCOMPARE(file.problem, QStringLiteral("В строке заголовка (строка 1) нет столбцов: «голы "
                                          "хозяев» и «голы гостей» (home_goals, away_goals) "
                                          "или «счёт» (score)"));
}

// The names as this program's CSV writer guards them are read as the names written.
void TestImportRead::csvNamesGuardedAgainstFormulasReadBack() {
    const QStringList names{"=1+2", "+7 495", "-2+3", "@SUM(A1)", QStringLiteral("'Бета")};
    QString text = QStringLiteral("Хозяева;Гости;Голы хозяев;Голы гостей\n");
    QStringList expected;
    for (const QString &name : names) {
        text += csvField(csvCellText(name, ColumnRole::TeamName)) + QStringLiteral(";B;1;0\n");
        expected.append(QStringLiteral("%1|%2|B|1:0||").arg(expected.size() + 2).arg(name));
    }
    QCOMPARE(described(readImportBytes(text.toUtf8())), expected);
}

void TestImportRead::jsonMatchesWithLines() {
    const ImportedFile file = readImportBytes(utf8(
        "{\n"
        "  \"name\": \"Test [with] {brackets} and \\\"quotes\\\"\",\n"
        "  \"matches\": [\n"
        "    { \"round\": \"1\", \"date\": \"2015-08-14\", \"team1\": \"A\", \"team2\": \"B\",\n"
        "      \"score\": { \"ft\": [2, 1], \"ht\": [1, 0] } },\n"
        "    { \"team1\": { \"name\": \"C\", \"code\": \"c\" }, \"team2\": \"D\",\n"
        "      \"score1\": 0, \"score2\": 3 },\n"
        "    { \"team1\": \"A\", \"team2\": \"C\" },\n"
        "    { \"team1\": \"A\", \"team2\": \"D\", \"score\": {} },\n"
        "    { \"team1\": \"B\", \"team2\": \"D\", \"score\": { \"ft\": [\"x\", 1] } },\n"
        "    {\n"
        "      \"team1\": \"D\",\n"
        "      \"team2\": \" \", \"score\": { \"ft\": [1, 1] }\n"
        "    },\n"
        "    \"not a match\", { \"team1\": \"B\", \"team2\": \"C\", \"score\": { \"ft\": [1.5, 0] "
        "} }\n"
        "  ]\n"
        "}\n"));
    QVERIFY2(file.usable(), qPrintable(file.problem));
    QCOMPARE(int(file.source.format), int(ImportFormat::Json));
    QCOMPARE(described(file), (QStringList{"4|A|B|2:1|1|2015-08-14", "6|C|D|0:3||"}));
    QCOMPARE(file.withoutScore, 2);
    QCOMPARE(problems(file), (QStringList{
                                 QStringLiteral("10: счёт «[\"x\",1]» — не число"),
                                 QStringLiteral("11: не указана команда"),
                                 QStringLiteral("15: матч записан не объектом JSON"),
                                 QStringLiteral("15: счёт «[1.5,0]» — не число"),
                             }));
}

// Rounds give their name to matches without one; a key given twice counts once, the last,
// and the lines follow it.
void TestImportRead::jsonRoundsAndRepeatedKeys() {
    const ImportedFile rounds = readImportBytes(utf8(
        "{ \"rounds\": [\n"
        "  { \"name\": \"Matchday 1\", \"matches\": [\n"
        "    { \"team1\": \"A\", \"team2\": \"B\", \"score\": { \"ft\": [1, 0] } } ] },\n"
        "  { \"name\": \"Matchday 2\", \"matches\": [\n"
        "    { \"team1\": \"matches\", \"team2\": \"A\", \"score\": { \"ft\": [0, 0] } },\n"
        "    { \"round\": \"Extra\", \"team1\": \"B\", \"team2\": \"A\", \"score\": { \"ft\": [2, "
        "2] } } ] } ] }\n"));
    QVERIFY2(rounds.usable(), qPrintable(rounds.problem));
    QCOMPARE(described(rounds), (QStringList{"3|A|B|1:0|Matchday 1|", "5|matches|A|0:0|Matchday 2|",
                                             "6|B|A|2:2|Extra|"}));

    const ImportedFile repeated = readImportBytes(
        utf8("{ \"matches\": [ { \"team1\": \"X\", \"team2\": \"Y\", \"score\": { \"ft\": [9, 9] } "
             "} ],\n"
             "  \"matches\": [\n"
             "    { \"team1\": \"A\", \"team2\": \"B\", \"score\": { \"ft\": [1, 0] } },\n"
             "    { \"team1\": \"B\", \"team2\": \"A\", \"score\": { \"ft\": [0, 1] } } ] }\n"));
    QCOMPARE(described(repeated), (QStringList{"3|A|B|1:0||", "4|B|A|0:1||"}));
}

void TestImportRead::jsonThatCannotBeUsed_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("broken") << utf8("{\n \"matches\": [\n  { \"team1\": }\n]}")
                            << QStringLiteral("(строка 3)");
    QTest::newRow("no list of matches")
        << utf8("{ \"name\": \"Bundesliga\" }") << QStringLiteral("нет списка матчей");
    QTest::newRow("an array at the top")
        << utf8("[ { \"team1\": \"A\" } ]") << QStringLiteral("нет списка матчей");
}

void TestImportRead::jsonThatCannotBeUsed() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const ImportedFile file = readImportBytes(bytes);
    QVERIFY(!file.usable());
    QVERIFY2(file.problem.contains(problem), qPrintable(file.problem));
    QVERIFY(file.matches.empty());
}

// The limit is checked on the size alone: a sparse file of 17 MB is refused without its
// bytes being read, and bytes handed over directly are held to the same limit.
void TestImportRead::filesTooLargeAreRefused() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("huge.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(17 * 1024 * 1024));
    file.close();
    const ImportedFile huge = readImportFile(path);
    QVERIFY(!huge.usable());
    QVERIFY(!huge.source.decoded);
    QVERIFY2(huge.problem.startsWith(QStringLiteral("Файл больше 16 МБ (17825792 байт)")),
             qPrintable(huge.problem));

    const ImportedFile bytes = readImportBytes(QByteArray(kImportSizeLimit + 1, ' '));
    QVERIFY(bytes.problem.startsWith(QStringLiteral("Файл больше 16 МБ")));
}

void TestImportRead::tooManyLinesAreRefused() {
    QByteArray lines;
    for (int i = 0; i <= kMaxImportLines; ++i)
        lines += "A,B,1,0\n";
    const ImportedFile file = readImportBytes(lines);
    QVERIFY(!file.usable());
    QVERIFY(file.matches.empty());
    QVERIFY2(file.problem.contains(QStringLiteral("больше 100000 строк")),
             qPrintable(file.problem));

    lines.chop(8);
    QCOMPARE(readImportBytes(lines).matches.size(), std::size_t(kMaxImportLines));
}

void TestImportRead::missingFile() {
    const ImportedFile file = readImportFile(QStringLiteral("/nonexistent/results.csv"));
    QCOMPARE(file.problem, QStringLiteral("Файл не найден: /nonexistent/results.csv"));
}

void TestImportRead::storableSpelling_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spelling");
    QTest::newRow("umlaut") << QStringLiteral("Bayern München") << QStringLiteral("Bayern Munchen");
    QTest::newRow("Turkish") << QStringLiteral("Beşiktaş İstanbul")
                             << QStringLiteral("Besiktas Istanbul");
    QTest::newRow("Spanish") << QStringLiteral("Ñandú") << QStringLiteral("Nandu");
    QTest::newRow("й and ё are kept")
        << QStringLiteral("Йошкар-Ола, Ёлки") << QStringLiteral("Йошкар-Ола, Ёлки");
    QTest::newRow("no decomposition: kept whole, to be refused")
        << QStringLiteral("Łódź") << QStringLiteral("Łódź");
    QTest::newRow("outside the plane: kept whole, to be refused")
        << QStringLiteral("Клуб 😀") << QStringLiteral("Клуб 😀");
}

void TestImportRead::storableSpelling() {
    QFETCH(QString, name);
    QFETCH(QString, spelling);
    QCOMPARE(storedTeamName(name), spelling);
}

void TestImportRead::namesMatchIgnoringCaseAndBlanks() {
    QCOMPARE(teamKey(QStringLiteral("  BAYERN München \t")),
             teamKey(QStringLiteral("bayern munchen")));
    QCOMPARE(teamKey(QStringLiteral(" СПАРТАК ")), teamKey(QStringLiteral("спартак")));
    QVERIFY(teamKey(QStringLiteral("Спартак М")) != teamKey(QStringLiteral("Спартак")));
    QCOMPARE(storedTeamName(QStringLiteral("  1. FC Köln ")), QStringLiteral("1. FC Koln"));
}

QTEST_APPLESS_MAIN(TestImportRead)
#include "tst_core_import_read.moc"
