// The import preview: the counts, the file's encoding, the conflicts and the lines that cannot
// be used as a file gives them, the choices that change the plan handed back, the naming
// offers, and Отмена against "Импортировать".
#include "tst_kit_windows.h"

#include "core/files/tablefile.h"
#include "core/import/importapply.h"
#include "core/import/importreader.h"
#include "core/league/score.h"
#include "ui/dialogs/frmimport.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringConverter>
#include <memory>
#include <optional>

using namespace testkit;
using soccer::ImportPlan;
using soccer::TeamNaming;

namespace {

enum Team { Spartak = 1, Dinamo, Zenit, Torpedo };

// Two results of cross-table 1 that the file below contradicts.
std::unique_ptr<soccer::League> playedTable() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = 4;
    league->teamNames[Spartak] = QStringLiteral("Спартак");
    league->teamNames[Dinamo] = QStringLiteral("Динамо");
    league->teamNames[Zenit] = QStringLiteral("Зенит");
    league->teamNames[Torpedo] = QStringLiteral("Торпедо");
    soccer::enterScore(league->crossTables[1], Spartak, Dinamo, QStringLiteral("2 1"));
    soccer::enterScore(league->crossTables[1], Torpedo, Spartak, QStringLiteral("0 0"));
    return league;
}

std::unique_ptr<soccer::League> blankTable(int teamCount) {
    auto league = std::make_unique<soccer::League>();
    soccer::parseTable(soccer::blankTableBytes(teamCount), *league);
    return league;
}

// Against playedTable(); the comment gives what becomes of each line.
// clang-format off
const QString kMixedFile = QStringLiteral(
    "хозяева;гости;голы хозяев;голы гостей\n" // 1 header
    "Спартак;Динамо;1;1\n"                    // 2 cross-table 1, conflict with 2:1
    "Зенит;Торпедо;1;0\n"                     // 3 cross-table 1, new
    "Динамо;Спартак;0;3\n"                    // 4 cross-table 2, new
    "Локомотив;Зенит;1;0\n"                   // 5 unknown team
    "Торпедо;Спартак;4;4\n"                   // 6 cross-table 1, conflict with 0:0
    "Зенит;Зенит;2;2\n"                       // 7 a team meeting itself
    "Спартак;Торпедо;x;1\n"                   // 8 not a number
    "Торпедо;Зенит;2;2\n"                     // 9 cross-table 2, new
    "Зенит;Торпедо;0;0\n");                   // 10 third meeting
// clang-format on

// Four teams and six, in the order the file first names them.
const QString kFourTeams = QStringLiteral("Рубин;Ротор;3;0\n"
                                          "Факел;Рубин;1;1\n"
                                          "Урал;Факел;0;2\n");
const QString kSixTeams = QStringLiteral("Рубин;Ротор;3;0\n"
                                         "Факел;Волга;1;1\n"
                                         "Урал;Сокол;0;2\n");

// The dialog on a results file, and what it handed back.
struct Opened {
    frmimport *dialog = nullptr;
    std::optional<ImportPlan> returned;
    int calls = 0;
};

std::unique_ptr<Opened> openOn(const soccer::League &league, const QString &path) {
    auto opened = std::make_unique<Opened>();
    Opened *target = opened.get();
    opened->dialog = frmimport::create(nullptr, league, path, [target](const ImportPlan &plan) {
        target->returned = plan;
        ++target->calls;
    });
    return opened;
}

QString writeFile(const Sandbox &sandbox, const QString &name, const QByteArray &bytes) {
    const QString path = sandbox.path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString text(QWidget *dialog, const char *name) {
    return control<QLabel>(dialog, name)->text();
}

QStringList listTexts(QWidget *dialog, const char *name) {
    QStringList texts;
    auto *list = control<QListWidget>(dialog, name);
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// The line number each entry of the list begins with ("строка 7: ...").
QList<int> lineNumbers(const QStringList &entries) {
    QList<int> numbers;
    static const QRegularExpression line(QStringLiteral("^строка (\\d+): "));
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = line.match(entry);
        numbers << (match.hasMatch() ? match.captured(1).toInt() : -1);
    }
    return numbers;
}

// Alt and a Cyrillic letter, as a label's or a button's accelerator takes it.
void altKey(QWidget *window, QChar letter) {
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key(letter.toUpper().unicode()),
                        QString(letter.toLower()), Qt::AltModifier);
}

bool importEnabled(QWidget *dialog) {
    return control<QPushButton>(dialog, "cmdimport")->isEnabled();
}

// The score of cross-table 1's cell, row team first: "2:1".
QString scoreIn(const soccer::League &league, int row, int column) {
    double x = 0;
    double y = 0;
    if (!soccer::splitScoreText(league.crossTables[1].cells[row][column], x, y))
        return QStringLiteral("no score");
    return QString::number(x) + QLatin1Char(':') + QString::number(y);
}

const soccer::PlannedResult &resultOfLine(const ImportPlan &plan, int line) {
    for (const soccer::PlannedResult &result : plan.results) {
        if (result.line == line)
            return result;
    }
    qFatal("no result of line %d", line);
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsCountsConflictsAndBadLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("format");
        QTest::newRow("UTF-8") << kMixedFile.toUtf8()
                               << QStringLiteral("Формат: CSV, разделитель «;», UTF-8, строка "
                                                 "заголовка есть");
        QTest::newRow("1251") << cp1251(kMixedFile)
                              << QStringLiteral("Формат: CSV, разделитель «;», Windows-1251, "
                                                "строка заголовка есть");
    }
    void showsCountsConflictsAndBadLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, format);
        Sandbox sandbox;
        const auto league = playedTable();
        const auto opened = openOn(*league, writeFile(sandbox, "season.csv", bytes));
        QWidget *dialog = opened->dialog;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Импорт результатов"));
        QVERIFY(dialog->isModal());
        QCOMPARE(text(dialog, "lblfile"), QStringLiteral("Файл: season.csv"));
        QCOMPARE(text(dialog, "lblsource"), format);
        QCOMPARE(text(dialog, "lblmatches"), QStringLiteral("Матчей со счётом в файле: 8"));
        // Conflicts keep the table's result until told otherwise.
        QCOMPARE(text(dialog, "lblhalf1"),
                 QStringLiteral("Шахматная таблица (1): будет внесено 1 результат"));
        QCOMPARE(text(dialog, "lblhalf2"),
                 QStringLiteral("Шахматная таблица (2): будет внесено 2 результата"));
        QCOMPARE(lineNumbers(listTexts(dialog, "lstconflicts")), (QList<int>{2, 6}));
        QCOMPARE(listTexts(dialog, "lstconflicts").first(),
                 QStringLiteral("строка 2: Шахматная таблица (1), Спартак – Динамо: в таблице "
                                "2:1, в файле 1:1 — остаётся счёт таблицы"));
        const QStringList problems = listTexts(dialog, "lstproblems");
        QCOMPARE(lineNumbers(problems), (QList<int>{5, 7, 8, 10}));
        QVERIFY(problems[0].contains(QStringLiteral("неизвестная команда «Локомотив»")));
        QVERIFY(problems[1].contains(QStringLiteral("сама с собой")));
        QVERIFY(problems[2].contains(QStringLiteral("не число")));
        QVERIFY(problems[3].contains(QStringLiteral("3-я встреча")));
        QCOMPARE(text(dialog, "lblproblems"),
                 QStringLiteral("&Строки, которые нельзя использовать (4):"));
        // The names fit: nothing to offer.
        QVERIFY(control<QRadioButton>(dialog, "optnames")->isChecked());
        QVERIFY(!control<QRadioButton>(dialog, "optfromfile")->isEnabled());
        QVERIFY(!control<QRadioButton>(dialog, "optnew")->isEnabled());
        QVERIFY(importEnabled(dialog));
    }

    void conflictChoiceChangesThePlanHandedBack_data() {
        QTest::addColumn<QString>("choice"); // a radio button, or "" for one conflict by hand
        QTest::addColumn<bool>("firstTaken");
        QTest::addColumn<bool>("secondTaken");
        QTest::addColumn<int>("enteredInFirst");
        QTest::newRow("keep") << QStringLiteral("optkeep") << false << false << 1;
        QTest::newRow("take") << QStringLiteral("opttake") << true << true << 3;
        QTest::newRow("one by hand") << QString() << false << true << 2;
    }
    void conflictChoiceChangesThePlanHandedBack() {
        QFETCH(QString, choice);
        QFETCH(bool, firstTaken);
        QFETCH(bool, secondTaken);
        QFETCH(int, enteredInFirst);
        Sandbox sandbox;
        const auto league = playedTable();
        const auto opened = openOn(*league, writeFile(sandbox, "season.csv", kMixedFile.toUtf8()));
        QWidget *dialog = opened->dialog;
        // Every choice is reached from the other one, never just the one shown at opening.
        click(dialog, "opttake");
        click(dialog, "optkeep");
        auto *conflicts = control<QListWidget>(dialog, "lstconflicts");
        if (choice.isEmpty()) {
            conflicts->item(1)->setCheckState(Qt::Checked);
            // Mixed choices: neither choice for all is true any more.
            QVERIFY(!control<QRadioButton>(dialog, "optkeep")->isChecked());
            QVERIFY(!control<QRadioButton>(dialog, "opttake")->isChecked());
            QVERIFY(
                conflicts->item(1)->text().endsWith(QStringLiteral("будет записан счёт файла")));
        } else {
            click(dialog, qPrintable(choice));
            QCOMPARE(conflicts->item(0)->checkState(), firstTaken ? Qt::Checked : Qt::Unchecked);
        }
        QVERIFY(text(dialog, "lblhalf1")
                    .startsWith(QStringLiteral("Шахматная таблица (1): будет внесено %1 ")
                                    .arg(enteredInFirst)));
        click(dialog, "cmdimport");
        QCOMPARE(opened->calls, 1);
        QTRY_VERIFY(!opened->dialog->isVisible());
        const ImportPlan &plan = *opened->returned;
        QCOMPARE(resultOfLine(plan, 2).takeFile, firstTaken);
        QCOMPARE(resultOfLine(plan, 6).takeFile, secondTaken);
        QCOMPARE(plan.enteredCount(1), enteredInFirst);

        // Applied, the plan writes exactly the scores chosen.
        soccer::League applied = *league;
        QVERIFY(soccer::applyImport(applied, plan).applied);
        QCOMPARE(scoreIn(applied, Spartak, Dinamo),
                 firstTaken ? QStringLiteral("1:1") : QStringLiteral("2:1"));
        QCOMPARE(scoreIn(applied, Torpedo, Spartak),
                 secondTaken ? QStringLiteral("4:4") : QStringLiteral("0:0"));
        QCOMPARE(scoreIn(applied, Zenit, Torpedo), QStringLiteral("1:0"));
    }

    void keyboardTakesOneConflictAndImports() {
        Sandbox sandbox;
        const auto league = playedTable();
        const auto opened = openOn(*league, writeFile(sandbox, "season.csv", kMixedFile.toUtf8()));
        QWidget *dialog = opened->dialog;
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->focusWidget(), control<QPushButton>(dialog, "cmdimport"));
        auto *conflicts = control<QListWidget>(dialog, "lstconflicts");
        altKey(dialog, u'Р'); // the conflicts
        QCOMPARE(QApplication::focusWidget(), conflicts);
        QTest::keyClick(conflicts, Qt::Key_Down);
        QTest::keyClick(conflicts, Qt::Key_Space);
        QCOMPARE(conflicts->item(1)->checkState(), Qt::Checked);
        altKey(dialog, u'И'); // "Импортировать", clicked as the button shows it pressed
        QTRY_COMPARE(opened->calls, 1);
        QVERIFY(!resultOfLine(*opened->returned, 2).takeFile);
        QVERIFY(resultOfLine(*opened->returned, 6).takeFile);
    }

    void defaultNamesOfferNamingFromTheFile() {
        Sandbox sandbox;
        const auto league = blankTable(4);
        const auto opened = openOn(*league, writeFile(sandbox, "four.csv", kFourTeams.toUtf8()));
        QWidget *dialog = opened->dialog;
        QVERIFY(text(dialog, "lbloffer").contains(QStringLiteral("названия по умолчанию")));
        // None of the file's teams is the table's: the offer is the choice shown first.
        QVERIFY(control<QRadioButton>(dialog, "optfromfile")->isEnabled());
        QVERIFY(control<QRadioButton>(dialog, "optfromfile")->isChecked());
        QVERIFY(!control<QRadioButton>(dialog, "optnew")->isEnabled());
        QCOMPARE(text(dialog, "lblhalf1"),
                 QStringLiteral("Шахматная таблица (1): будет внесено 3 результата"));

        // By the table's names every line is an unknown team: nothing to import.
        click(dialog, "optnames");
        QCOMPARE(opened->dialog->plan().options.naming, TeamNaming::TableNames);
        QCOMPARE(listTexts(dialog, "lstproblems").size(), 3);
        QVERIFY(!importEnabled(dialog));
        QCOMPARE(text(dialog, "lblverdict"),
                 QStringLiteral("Нечего импортировать: таблица не изменится."));

        click(dialog, "optfromfile");
        QVERIFY(listTexts(dialog, "lstproblems").isEmpty());
        click(dialog, "cmdimport");
        QCOMPARE(opened->calls, 1);
        const ImportPlan &plan = *opened->returned;
        QCOMPARE(plan.options.naming, TeamNaming::FromFile);
        QVERIFY(plan.renames);
        QCOMPARE(plan.teamNames, (QStringList{"Рубин", "Ротор", "Факел", "Урал"}));
    }

    void anotherCountOffersANewTable() {
        Sandbox sandbox;
        const auto league = blankTable(4);
        const auto opened = openOn(*league, writeFile(sandbox, "six.csv", kSixTeams.toUtf8()));
        QWidget *dialog = opened->dialog;
        QVERIFY(text(dialog, "lbloffer").contains(QStringLiteral("новую таблицу")));
        QVERIFY(!control<QRadioButton>(dialog, "optfromfile")->isEnabled());
        QVERIFY(control<QRadioButton>(dialog, "optnew")->isChecked());
        auto *count = control<QSpinBox>(dialog, "txtcount");
        QVERIFY(count->isEnabled());
        QCOMPARE(count->value(), 6);
        QCOMPARE(count->minimum(), 6); // fewer than the file's teams cannot hold them
        QCOMPARE(count->maximum(), 99);
        count->setValue(8);
        QCOMPARE(opened->dialog->plan().teamCount, 8);
        click(dialog, "cmdimport");
        const ImportPlan &plan = *opened->returned;
        QCOMPARE(plan.options.naming, TeamNaming::NewTable);
        QCOMPARE(plan.teamCount, 8);
        QCOMPARE(plan.teamNames,
                 (QStringList{"Рубин", "Ротор", "Факел", "Волга", "Урал", "Сокол", " 7", " 8"}));
    }

    void cancelGivesNothingAndLeavesTheTable() {
        Sandbox sandbox;
        const auto league = playedTable();
        const QByteArray before = soccer::tableBytes(*league);
        const QString path = writeFile(sandbox, "season.csv", kMixedFile.toUtf8());
        // Отмена, Esc and the window's close button, each after a choice that changes the plan.
        const auto byButton = openOn(*league, path);
        click(byButton->dialog, "opttake");
        click(byButton->dialog, "cmdotm");
        QTRY_VERIFY(!byButton->dialog->isVisible());

        const auto byEscape = openOn(*league, path);
        click(byEscape->dialog, "opttake");
        byEscape->dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(byEscape->dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!byEscape->dialog->isVisible());

        const auto byClose = openOn(*league, path);
        byClose->dialog->close();

        QCOMPARE(byButton->calls + byEscape->calls + byClose->calls, 0);
        QCOMPARE(soccer::tableBytes(*league), before);
    }

    void unusableFileDisablesImport_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problemStart");
        QTest::newRow("missing") << QStringLiteral("missing.csv")
                                 << QStringLiteral("Файл не найден: ");
        QTest::newRow("folder") << QStringLiteral("folder.csv") << QStringLiteral("Это не файл: ");
        QTest::newRow("over 16 MB")
            << QStringLiteral("huge.csv") << QStringLiteral("Файл больше 16 МБ");
    }
    void unusableFileDisablesImport() {
        QFETCH(QString, name);
        QFETCH(QString, problemStart);
        Sandbox sandbox;
        const QString path = sandbox.path(name);
        if (name == QStringLiteral("folder.csv")) {
            QVERIFY(QDir(sandbox.dir.path()).mkdir(name));
        } else if (name == QStringLiteral("huge.csv")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(soccer::kImportSizeLimit + 1)); // sparse: nothing is written
        }
        const auto league = playedTable();
        const auto opened = openOn(*league, path);
        QWidget *dialog = opened->dialog;
        QVERIFY(!importEnabled(dialog));
        QVERIFY(text(dialog, "lblverdict")
                    .startsWith(QStringLiteral("Импорт невозможен: ") + problemStart));
        QCOMPARE(text(dialog, "lblsource"), QStringLiteral("Формат: не определён"));
        QCOMPARE(dialog->focusWidget(), control<QPushButton>(dialog, "cmdotm"));
        click(dialog, "cmdimport");
        QCOMPARE(opened->calls, 0);
        QVERIFY(dialog->isVisible());
    }

    void coloursFollowTheScheme() {
        Sandbox sandbox(unusualScheme());
        const auto league = playedTable();
        const auto opened = openOn(*league, writeFile(sandbox, "season.csv", kMixedFile.toUtf8()));
        QWidget *dialog = opened->dialog;
        QCOMPARE(backgroundOf(dialog), QColor(10, 20, 30));
        QCOMPARE(textColorOf(control<QLabel>(dialog, "lblhalf1")), QColor(200, 210, 220));
        QCOMPARE(backgroundOf(control<QGroupBox>(dialog, "franaming")), QColor(10, 20, 30));
        // A disabled choice is drawn half-way between the text and the main colour.
        auto *disabled = control<QRadioButton>(dialog, "optnew");
        QVERIFY(!disabled->isEnabled());
        QCOMPARE(disabled->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QColor(105, 115, 125));
    }
};

QTEST_MAIN(ImportDialogTest)
#include "tst_ui_dialogs_import.moc"
