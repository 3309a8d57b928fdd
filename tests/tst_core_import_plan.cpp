// Planning an import against a table, applying it as score entries and taking it back: the
// cross-table of every result, the conflicts both ways, the refused lines with their numbers,
// the naming offers, the report, and an undo that restores every byte.
#include "core/files/tablefile.h"
#include "core/import/importapply.h"
#include "core/import/importplan.h"
#include "core/import/importreader.h"
#include "core/import/importreport.h"
#include "core/league/score.h"

#include <QtTest>
#include <memory>

using namespace soccer;

namespace {

enum Team { Spartak = 1, Dinamo, Zenit, Torpedo };

// Four teams with results in both halves, one cell holding a text that is not a score, and
// statistics that no cell explains (as a hand-edited file may bring).
std::unique_ptr<League> playedTable() {
    auto league = std::make_unique<League>();
    league->teamCount = 4;
    league->teamNames[Spartak] = QStringLiteral("Спартак");
    league->teamNames[Dinamo] = QStringLiteral("Динамо");
    league->teamNames[Zenit] = QStringLiteral("Зенит");
    league->teamNames[Torpedo] = QStringLiteral("Торпедо");
    enterScore(league->crossTables[1], Spartak, Dinamo, QStringLiteral("2 1"));
    enterScore(league->crossTables[1], Spartak, Torpedo, QStringLiteral("1 0"));
    enterScore(league->crossTables[2], Zenit, Torpedo, QStringLiteral("0 0"));
    league->crossTables[1].cells[Zenit][Spartak] = QStringLiteral("перенесён");
    league->crossTables[1].cells[Spartak][Zenit] = QStringLiteral("перенесён");
    league->crossTables[2].stats[Dinamo].played = 0.5;
    return league;
}

std::unique_ptr<League> copyOf(const League &league) {
    return std::make_unique<League>(league);
}

std::unique_ptr<League> blankTable(int teamCount) {
    auto league = std::make_unique<League>();
    parseTable(blankTableBytes(teamCount), *league);
    return league;
}

QByteArray utf8(const QString &text) {
    return text.toUtf8();
}

// Every kind of line against playedTable(); the comment gives what becomes of it.
// clang-format off
const QString kMixedFile = QStringLiteral(
    "хозяева;гости;голы хозяев;голы гостей\n" // 1 header
    "Спартак;Динамо;2;1\n"                    // 2 cross-table 1, the same result
    " ДИНАМО ; спартак ;0;3\n"                // 3 cross-table 2, new (the pair's second)
    "Спартак;Динамо;1;1\n"                    // 4 third meeting
    "Зенит;Торпедо;1;0\n"                     // 5 cross-table 1, new
    "Торпедо;Зенит;2;2\n"                     // 6 cross-table 2, conflict with 0:0
    "Локомотив;Зенит;1;0\n"                   // 7 unknown team
    "Зенит;Зенит;1;1\n"                       // 8 a team meeting itself
    "Спартак;Зенит;x;1\n"                     // 9 not a number
    "Зенит;Спартак;3;0\n"                     // 10 the cell holds no score
    "Динамо;Торпедо;1;2\n"                    // 11 cross-table 1, new
    "Торпедо;Спартак;4;4\n"                   // 12 cross-table 1, conflict with 0:1
    "Локомотив;Факел;0;0\n");                 // 13 two unknown teams
// clang-format on

ImportPlan mixedPlan(const League &league, ConflictChoice choice) {
    ImportOptions options;
    options.conflicts = choice;
    return planImport(league, readImportBytes(utf8(kMixedFile)), options);
}

QStringList problemLines(const ImportPlan &plan) {
    QStringList lines;
    for (const LineProblem &problem : plan.problems)
        lines.append(problemText(problem));
    return lines;
}

// "line:half:row-column:state" for every planned result.
QStringList resultLines(const ImportPlan &plan) {
    QStringList lines;
    for (const PlannedResult &result : plan.results)
        lines.append(QStringLiteral("%1:%2:%3-%4:%5")
                         .arg(result.line)
                         .arg(result.half)
                         .arg(result.home)
                         .arg(result.away)
                         .arg(int(result.state)));
    return lines;
}

void compareLeagues(const League &actual, const League &expected) {
    QCOMPARE(actual.teamCount, expected.teamCount);
    QCOMPARE(actual.teamNames, expected.teamNames);
    for (int half = 1; half <= 2; ++half) {
        QCOMPARE(actual.crossTables[half].cells, expected.crossTables[half].cells);
        QVERIFY(actual.crossTables[half].stats == expected.crossTables[half].stats);
    }
}

} // namespace

class TestImportPlan : public QObject {
    Q_OBJECT

  private slots:
    void planFindsEveryKindOfLineAndChangesNothing();
    void conflictsResolvedBothWays_data();
    void conflictsResolvedBothWays();
    void conflictsChosenOneByOne();
    void undoRestoresEveryCellAndStatistic();
    void reportOfTheMixedFile();
    void namingOffers_data();
    void namingOffers();
    void namingFromTheFile();
    void newTableWithMoreTeamsThanTheFile();
    void namingThatCannotBeDone_data();
    void namingThatCannotBeDone();
    void namesTheTableCannotHold();
    void namesMatchThroughTheirStorableSpelling();
    void planForAnotherTableIsNotApplied();
    void unusableFileReport();
};

void TestImportPlan::planFindsEveryKindOfLineAndChangesNothing() {
    const auto league = playedTable();
    const auto before = copyOf(*league);
    const ImportPlan plan = mixedPlan(*league, ConflictChoice::KeepTable);
    compareLeagues(*league, *before);
    QVERIFY(plan.usable());
    QCOMPARE(plan.offer, NamingOffer::None);
    QCOMPARE(plan.fileMatches, 11);
    QCOMPARE(resultLines(plan), (QStringList{"2:1:1-2:1", "3:2:2-1:0", "5:1:3-4:0", "6:2:4-3:2",
                                             "11:1:2-4:0", "12:1:4-1:2"}));
    QCOMPARE(problemLines(plan),
             (QStringList{
                 QStringLiteral("строка 4: 3-я встреча команд «Спартак» и «Динамо»: в таблице "
                                "место только для двух"),
                 QStringLiteral("строка 7: неизвестная команда «Локомотив»"),
                 QStringLiteral("строка 8: команда «Зенит» играет сама с собой"),
                 QStringLiteral("строка 9: счёт «x:1» — не число"),
                 QStringLiteral("строка 10: в шахматной таблице (1) у этой пары записано "
                                "«перенесён», а не счёт: его нельзя заменить"),
                 QStringLiteral("строка 13: неизвестные команды «Локомотив» и «Факел»"),
             }));
    QCOMPARE(plan.enteredCount(1), 2);
    QCOMPARE(plan.enteredCount(2), 1);
    QCOMPARE(plan.conflictCount(), 2);
}

void TestImportPlan::conflictsResolvedBothWays_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("answers"); // "half row column answer" the user would type
    QTest::newRow("keep the table's")
        << int(ConflictChoice::KeepTable) << QStringList{"2 2 1 0 3", "1 3 4 1 0", "1 2 4 1 2"};
    QTest::newRow("take the file's")
        << int(ConflictChoice::TakeFile)
        << QStringList{"2 2 1 0 3", "1 3 4 1 0", "2 4 3 2 2", "1 2 4 1 2", "1 4 1 4 4"};
}

// The import ends where the same answers typed at the score prompt end.
void TestImportPlan::conflictsResolvedBothWays() {
    QFETCH(int, choice);
    QFETCH(QStringList, answers);
    const auto league = playedTable();
    const auto expected = copyOf(*league);
    for (const QString &answer : answers) {
        const QStringList parts = answer.split(QLatin1Char(' '));
        enterScore(expected->crossTables[parts[0].toInt()], parts[1].toInt(), parts[2].toInt(),
                   parts[3] + QLatin1Char(' ') + parts[4]);
    }
    const ImportPlan plan = mixedPlan(*league, ConflictChoice(choice));
    const ImportUndo undo = applyImport(*league, plan);
    QCOMPARE(undo.entered, int(answers.size()));
    compareLeagues(*league, *expected);
    QCOMPARE(tableBytes(*league), tableBytes(*expected));
}

void TestImportPlan::conflictsChosenOneByOne() {
    const auto league = playedTable();
    ImportPlan plan = mixedPlan(*league, ConflictChoice::TakeFile);
    plan.chooseForConflicts(ConflictChoice::KeepTable);
    for (PlannedResult &result : plan.results) {
        if (result.line == 12)
            result.takeFile = true;
    }
    QCOMPARE(plan.enteredCount(1), 3);
    QCOMPARE(plan.enteredCount(2), 1);
    applyImport(*league, plan);
    QCOMPARE(league->crossTables[1].cells[Torpedo][Spartak], QStringLiteral(" 4: 4"));
    QCOMPARE(league->crossTables[1].cells[Spartak][Torpedo], QStringLiteral(" 4: 4"));
    QCOMPARE(league->crossTables[2].cells[Torpedo][Zenit], QStringLiteral(" 0: 0"));
}

void TestImportPlan::undoRestoresEveryCellAndStatistic() {
    const auto league = playedTable();
    const auto before = copyOf(*league);
    const ImportPlan plan = mixedPlan(*league, ConflictChoice::TakeFile);
    const ImportUndo undo = applyImport(*league, plan);
    QVERIFY(undo.applied);
    const auto applied = copyOf(*league);
    QVERIFY(tableBytes(*applied) != tableBytes(*before));

    undoImport(*league, undo);
    compareLeagues(*league, *before);
    QCOMPARE(league->crossTables[2].stats[Dinamo].played, 0.5);

    const ImportUndo again = applyImport(*league, plan); // redo
    compareLeagues(*league, *applied);
    undoImport(*league, again);
    compareLeagues(*league, *before);
}

void TestImportPlan::reportOfTheMixedFile() {
    const auto league = playedTable();
    const ImportPlan plan = mixedPlan(*league, ConflictChoice::KeepTable);
    QCOMPARE(importReport(plan),
             QStringLiteral(
                 "Файл: CSV, разделитель «;», UTF-8, строка заголовка есть\n"
                 "Матчей со счётом в файле: 11\n"
                 "Шахматная таблица (1): будет внесено 2 результата\n"
                 "Шахматная таблица (2): будет внесено 1 результат\n"
                 "Уже в таблице с тем же счётом: 1 результат\n"
                 "Расхождения с таблицей (2):\n"
                 "  строка 6: Шахматная таблица (2), Торпедо – Зенит: в таблице 0:0, в файле 2:2 "
                 "— остаётся счёт таблицы\n"
                 "  строка 12: Шахматная таблица (1), Торпедо – Спартак: в таблице 0:1, в файле "
                 "4:4 — остаётся счёт таблицы\n"
                 "Строки, которые нельзя использовать (6):\n"
                 "  строка 4: 3-я встреча команд «Спартак» и «Динамо»: в таблице место только "
                 "для двух\n"
                 "  строка 7: неизвестная команда «Локомотив»\n"
                 "  строка 8: команда «Зенит» играет сама с собой\n"
                 "  строка 9: счёт «x:1» — не число\n"
                 "  строка 10: в шахматной таблице (1) у этой пары записано «перенесён», а не "
                 "счёт: его нельзя заменить\n"
                 "  строка 13: неизвестные команды «Локомотив» и «Факел»"));

    ImportPlan taken = plan;
    taken.chooseForConflicts(ConflictChoice::TakeFile);
    QVERIFY(importReport(taken).contains(QStringLiteral("в файле 2:2 — будет записан счёт файла")));
    QVERIFY(importReport(taken).contains(QStringLiteral("(1): будет внесено 3 результата")));
}

void TestImportPlan::namingOffers_data() {
    QTest::addColumn<int>("tableTeams"); // a blank table of N; 0 for playedTable()
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("offer");
    QTest::addColumn<QString>("offerText");

    const QString fourOthers = QStringLiteral("Ротор,Урал,1,0\nСокол,Шинник,2,2\n");
    const QString fiveOthers = fourOthers + QStringLiteral("Урал,Факел,0,1\n");
    QTest::newRow("default names, same count")
        << 4 << fourOthers << int(NamingOffer::FromFile)
        << QStringLiteral("У команд таблицы названия по умолчанию (1 … 4). Можно назвать "
                          "команды таблицы по файлу (4 команды в порядке первого появления).");
    QTest::newRow("default names, other count")
        << 6 << fiveOthers << int(NamingOffer::NewTable)
        << QStringLiteral("У команд таблицы названия по умолчанию (1 … 6). В файле 5 команд, "
                          "в таблице 6: можно создать новую таблицу с командами файла.");
    QTest::newRow("no name matches")
        << 0 << fiveOthers << int(NamingOffer::NewTable)
        << QStringLiteral("Ни одна команда файла не найдена в таблице. В файле 5 команд, в "
                          "таблице 4: можно создать новую таблицу с командами файла.");
    QTest::newRow("some names match")
        << 0 << QStringLiteral("Спартак,Урал,1,0\n") << int(NamingOffer::None) << QString();
    QTest::newRow("too few teams for a new table")
        << 6 << QStringLiteral("Ротор,Урал,1,0\n") << int(NamingOffer::None) << QString();
}

void TestImportPlan::namingOffers() {
    QFETCH(int, tableTeams);
    QFETCH(QString, file);
    QFETCH(int, offer);
    QFETCH(QString, offerText);
    const auto league = tableTeams > 0 ? blankTable(tableTeams) : playedTable();
    const ImportPlan plan = planImport(*league, readImportBytes(utf8(file)));
    QCOMPARE(int(plan.offer), offer);
    QCOMPARE(soccer::offerText(plan), offerText);
    if (!offerText.isEmpty())
        QVERIFY(importReport(plan).contains(offerText));
}

void TestImportPlan::namingFromTheFile() {
    const auto league = blankTable(4);
    const auto before = copyOf(*league);
    ImportOptions options;
    options.naming = TeamNaming::FromFile;
    const ImportPlan plan = planImport(*league,
                                       readImportBytes(utf8(QStringLiteral("Ротор,Урал,1,0\n"
                                                                           "Сокол,  ротор ,2,2\n"
                                                                           "Шинник,Урал,0,0\n"))),
                                       options);
    QVERIFY(plan.problems.empty());
    QCOMPARE(plan.teamNames, (QStringList{"Ротор", "Урал", "Сокол", "Шинник"}));
    QVERIFY(importReport(plan).contains(QStringLiteral("Команды таблицы будут названы по файлу:\n"
                                                       "  1. Ротор\n  2. Урал\n  3. Сокол\n"
                                                       "  4. Шинник\n")));
    const ImportUndo undo = applyImport(*league, plan);
    QCOMPARE(league->teamNames[2], QStringLiteral("Урал"));
    QCOMPARE(league->crossTables[1].cells[3][1], QStringLiteral(" 2: 2"));
    QCOMPARE(league->crossTables[1].cells[4][2], QStringLiteral(" 0: 0"));
    undoImport(*league, undo);
    QCOMPARE(tableBytes(*league), tableBytes(*before));
}

// A new table empties every cell the old one had, also beyond its count, and undo puts back
// the old count, names and cells.
void TestImportPlan::newTableWithMoreTeamsThanTheFile() {
    const auto league = playedTable();
    league->crossTables[1].cells[5][6] = QStringLiteral(" 9: 9"); // left by an earlier table
    const auto before = copyOf(*league);
    ImportOptions options;
    options.naming = TeamNaming::NewTable;
    options.newTeamCount = 6;
    const ImportPlan plan = planImport(
        *league,
        readImportBytes(utf8(QStringLiteral("Ротор,Урал,1,0\nСокол,Шинник,2,2\nУрал,Факел,0,1\n"))),
        options);
    QVERIFY2(plan.usable(), qPrintable(plan.problem));
    QCOMPARE(plan.teamNames, (QStringList{"Ротор", "Урал", "Сокол", "Шинник", "Факел", " 6"}));
    const ImportUndo undo = applyImport(*league, plan);
    QCOMPARE(league->teamCount, 6);
    QVERIFY(league->crossTables[1].cells[5][6].isEmpty());
    QVERIFY(league->crossTables[1].cells[1][3].isEmpty());
    QCOMPARE(league->crossTables[1].cells[2][5], QStringLiteral(" 0: 1"));
    QCOMPARE(league->crossTables[1].stats[1].played, 1.0);
    QCOMPARE(league->crossTables[2].stats[Dinamo].played, 0.0);
    undoImport(*league, undo);
    compareLeagues(*league, *before);
}

void TestImportPlan::namingThatCannotBeDone_data() {
    QTest::addColumn<int>("naming");
    QTest::addColumn<int>("newTeamCount");
    QTest::addColumn<QString>("problem");
    QTest::newRow("from the file, other count")
        << int(TeamNaming::FromFile) << 0
        << QStringLiteral("В файле 5 команд, а в таблице 4: назвать команды таблицы по файлу "
                          "нельзя");
    QTest::newRow("new table smaller than the file")
        << int(TeamNaming::NewTable) << 4
        << QStringLiteral("В файле 5 команд: в новую таблицу на 4 они не поместятся");
    QTest::newRow("new table over 99") << int(TeamNaming::NewTable) << 100
                                       << QStringLiteral("В новой таблице может быть от 4 до 99 "
                                                         "команд, а не 100");
}

void TestImportPlan::namingThatCannotBeDone() {
    QFETCH(int, naming);
    QFETCH(int, newTeamCount);
    QFETCH(QString, problem);
    const auto league = playedTable();
    const auto before = copyOf(*league);
    ImportOptions options;
    options.naming = TeamNaming(naming);
    options.newTeamCount = newTeamCount;
    const ImportPlan plan = planImport(
        *league,
        readImportBytes(utf8(QStringLiteral("Ротор,Урал,1,0\nСокол,Шинник,2,2\nУрал,Факел,0,1\n"))),
        options);
    QCOMPARE(plan.problem, problem);
    QVERIFY(plan.results.empty());
    QVERIFY(importReport(plan).contains(QStringLiteral("Импорт невозможен: ") + problem));
    QVERIFY(!applyImport(*league, plan).applied);
    compareLeagues(*league, *before);
}

// A name that stays outside code page 1251, or holds a comma, cannot name a team: its lines
// are refused and the other teams are numbered without it.
void TestImportPlan::namesTheTableCannotHold() {
    const auto league = blankTable(4);
    ImportOptions options;
    options.naming = TeamNaming::NewTable;
    const ImportPlan plan =
        planImport(*league,
                   readImportBytes(utf8(QStringLiteral("Клуб 😀,Урал,1,0\n"
                                                       "\"Динамо, Москва\",Урал,1,1\n"
                                                       "Ротор,Урал,2,0\nСокол,Факел,0,0\n"))),
                   options);
    QVERIFY2(plan.usable(), qPrintable(plan.problem));
    QCOMPARE(plan.teamNames, (QStringList{"Урал", "Ротор", "Сокол", "Факел"}));
    QCOMPARE(problemLines(plan),
             (QStringList{
                 QStringLiteral("строка 1: название «Клуб 😀» нельзя сохранить в таблице: имя "
                                "содержит знак, который нельзя сохранить в файле таблицы "
                                "(допустимы русские и латинские буквы, цифры и обычные знаки)"),
                 QStringLiteral("строка 2: название «Динамо, Москва» нельзя сохранить в "
                                "таблице: имя не может содержать запятую"),
             }));
}

// The replay's table holds "Bayern München" as entered; a file in 1251 can only say
// "Bayern Munchen". Both are the same team, and the table keeps its own spelling.
void TestImportPlan::namesMatchThroughTheirStorableSpelling() {
    auto league = blankTable(4);
    league->teamNames[1] = QStringLiteral("Bayern München");
    league->teamNames[2] = QStringLiteral("1. FC Köln");
    const ImportPlan plan = planImport(
        *league, readImportBytes(utf8(QStringLiteral("BAYERN MUNCHEN,1. fc köln,3,1\n"))));
    QVERIFY(plan.problems.empty());
    QCOMPARE(resultLines(plan), QStringList{"1:1:1-2:0"});
    applyImport(*league, plan);
    QCOMPARE(league->teamNames[1], QStringLiteral("Bayern München"));
}

void TestImportPlan::planForAnotherTableIsNotApplied() {
    const auto league = playedTable();
    const ImportPlan plan = mixedPlan(*league, ConflictChoice::TakeFile);
    league->teamCount = 5;
    const auto before = copyOf(*league);
    QVERIFY(!applyImport(*league, plan).applied);
    compareLeagues(*league, *before);
}

void TestImportPlan::unusableFileReport() {
    const auto league = playedTable();
    const ImportPlan plan = planImport(*league, readImportBytes(QByteArray("{ \"name\": 1 }")));
    QCOMPARE(importReport(plan), QStringLiteral("Файл: JSON, UTF-8\n"
                                                "Импорт невозможен: В файле JSON нет списка "
                                                "матчей (matches или rounds[].matches)"));
}

QTEST_APPLESS_MAIN(TestImportPlan)
#include "tst_core_import_plan.moc"
