// The commands that take the table further or bring results in: where they stand in the menu,
// export through the file dialog, the tournament rules applied to the results view, and an
// import entering its results in the grids.
#include "tst_kit_mainwindow.h"

#include "core/league/score.h"
#include "core/ranking/ranking.h"
#include "core/ranking/rankingrule.h"
#include "ui/dialogs/frmimport.h"
#include "ui/dialogs/frmrules.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

using namespace testkit;

namespace {

QString fileText(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

template <class Dialog> Dialog *openedDialog(frmtable *window) {
    Dialog *dialog = nullptr;
    for (Dialog *found : window->findChildren<Dialog *>())
        dialog = found;
    return dialog;
}

} // namespace

class TestMainWindowPublish : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void newItemsStandBetweenOptionsAndExit();
    void newItemsHaveMnemonicsOfTheirOwn();
    void exportWritesTheTeams_data();
    void exportWritesTheTeams();
    void failedExportReportsAndLeavesNoFile();
    void chosenRuleSharesPlacesAndGivesReasons();
    void importEntersTheResults();
};

void TestMainWindowPublish::newItemsStandBetweenOptionsAndExit() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QStringList texts;
    for (QAction *action : window->findChild<QMenu *>(QStringLiteral("menu"))->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    const int options = int(texts.indexOf(QStringLiteral("Оп&ции")));
    QVERIFY(options >= 0);
    QCOMPARE(
        texts.mid(options, 9),
        QStringList({"Оп&ции", "Правила т&урнира...", "Сн&ятие очков...", "Ко&манда снялась...",
                     "Пе&чать...", "&Экспорт...", "&Импорт результатов...", "-", "&Выход"}));
    for (const char *name :
         {"mnurules", "mnudeduct", "mnuwithdraw", "mnuprint", "mnuexport", "mnuimport"}) {
        QVERIFY(control<QAction>(window, name)->shortcut().isEmpty());
        const QString button = QStringLiteral("cmd") + QString::fromLatin1(name).mid(3);
        QVERIFY(!window->findChild<QWidget *>(button));
    }
    QCOMPARE(control<QAction>(window, "mnuoption")->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(control<QAction>(window, "mnuexit")->shortcut(), QKeySequence("Ctrl+E"));
}

// Alt and a letter reaches each new item at once. The two items for К ("От&крыть файл",
// "Сохранить &как") came with the menu and stay as they are; any other letter used twice
// would make Alt and that letter cycle between items instead of running one.
void TestMainWindowPublish::newItemsHaveMnemonicsOfTheirOwn() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QMap<QString, QStringList> itemsByLetter;
    for (QAction *action : window->findChild<QMenu *>(QStringLiteral("menu"))->actions()) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        const qsizetype at = text.indexOf(u'&');
        QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
        itemsByLetter[text.mid(at + 1, 1).toLower()] << text;
    }
    QCOMPARE(itemsByLetter.size(), 19);
    for (auto letter = itemsByLetter.cbegin(); letter != itemsByLetter.cend(); ++letter) {
        if (letter.key() == QStringLiteral("к"))
            QCOMPARE(letter.value(), QStringList({"От&крыть файл", "Сохранить &как"}));
        else
            QVERIFY2(letter.value().size() == 1, qPrintable(letter.value().join(", ")));
    }
    QCOMPARE(itemsByLetter.value(QStringLiteral("ч")), QStringList({"Пе&чать..."}));
    QCOMPARE(itemsByLetter.value(QStringLiteral("п")), QStringList({"&Переименовать"}));
}

void TestMainWindowPublish::exportWritesTheTeams_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("mark");
    QTest::newRow("html") << "out.html"
                          << "out.html"
                          << "<html";
    QTest::newRow("no extension") << "out"
                                  << "out.html"
                                  << "<html";
    QTest::newRow("csv") << "out.csv"
                         << "out.csv"
                         << ";";
}

void TestMainWindowPublish::exportWritesTheTeams() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, mark);
    Sandbox sandbox;
    auto league = namedLeague({"Alpha", "Bravo", "Charlie"});
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    sandbox.prompter.queueFile(sandbox.path(chosen));
    sandbox.prompter.queueAnswer(platform::Answer::Ok);
    control<QAction>(window, "mnuexport")->trigger();
    QCOMPARE(sandbox.prompter.asked()[0].filters.size(), 5);
    QCOMPARE(sandbox.prompter.asked()[0].filters[1].pattern, QStringLiteral("*.csv"));
    QTRY_COMPARE(sandbox.prompter.askedTexts().last(), QStringLiteral("Экспорт завершён"));
    const QString text = fileText(sandbox.path(written));
    for (const char *name : {"Alpha", "Bravo", "Charlie"})
        QVERIFY2(text.contains(QString::fromLatin1(name), Qt::CaseInsensitive), name);
    QVERIFY(text.contains(mark, Qt::CaseInsensitive));
}

void TestMainWindowPublish::failedExportReportsAndLeavesNoFile() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    const QString path = sandbox.path(QStringLiteral("missing/out.html"));
    sandbox.prompter.queueFile(path);
    sandbox.prompter.queueAnswer(platform::Answer::Ok);
    control<QAction>(window, "mnuexport")->trigger();
    QTRY_COMPARE(sandbox.prompter.asked().size(), 2);
    QCOMPARE(sandbox.prompter.asked()[1].icon, platform::Icon::Critical);
    QVERIFY(
        sandbox.prompter.asked()[1].text.startsWith(QStringLiteral("Таблица не экспортирована.")));
    QVERIFY(sandbox.prompter.asked()[1].text.contains(shown(path)));
    QVERIFY(!QFile::exists(path));
}

// A table with no results: the program's rule gives distinct places, any other rule a shared
// one with its reason.
void TestMainWindowPublish::chosenRuleSharesPlacesAndGivesReasons() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    window->protable();
    TableGrid *results = grid(window, "MSF");
    QCOMPARE(column(results, 0), QStringList({"1", "2", "3", "4"}));
    QVERIFY(!results->model()->index(1, 1).data(Qt::ToolTipRole).isValid());

    control<QAction>(window, "mnurules")->trigger();
    auto *dialog = openedDialog<frmrules>(window);
    QVERIFY(dialog);
    const auto preset = soccer::RulePreset::GoalsThenHeadToHead;
    control<QComboBox>(dialog, "cmbrule")
        ->setCurrentIndex(
            int(std::ranges::find(soccer::kAllPresets, preset) - soccer::kAllPresets.begin()));
    click(dialog, "cmdok");

    QCOMPARE(window->league().rankingRule, soccer::RankingRule::fromPreset(preset));
    QCOMPARE(column(results, 0), QStringList(4, QStringLiteral("1–4")));
    soccer::League copy = window->league();
    const std::vector<soccer::RankedRow> rows = soccer::rankByRule(copy);
    for (int row = 1; row <= 4; ++row)
        QCOMPARE(results->model()->index(row, 1).data(Qt::ToolTipRole).toString(),
                 rows[std::size_t(row - 1)].reason);
    // A counter's header still orders by the counter, with plain positions.
    results->setCurrentCell(0, 3);
    window->MSF_Click();
    QCOMPARE(column(results, 0), QStringList({"1", "2", "3", "4"}));
}

void TestMainWindowPublish::importEntersTheResults() {
    Sandbox sandbox;
    auto league = namedLeague({"Спартак", "Динамо", "Зенит", "Торпедо"});
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));
    window->protable();
    const QString csv = sandbox.path(QStringLiteral("season.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("Спартак;Динамо;2;1\nЗенит;Торпедо;0;0\n").toUtf8());
    file.close();
    sandbox.prompter.queueFile(csv);
    control<QAction>(window, "mnuimport")->trigger();
    auto *dialog = openedDialog<frmimport>(window);
    QVERIFY(dialog);
    click(dialog, "cmdimport");

    QCOMPARE(window->league().crossTables[1].cells[1][2].trimmed(), QStringLiteral("2: 1"));
    QVERIFY(grid(window, "MS")->isVisible());
    QCOMPARE(grid(window, "MS")->text(1, 3).trimmed(), QStringLiteral("2: 1"));
    QCOMPARE(grid(window, "MS")->text(3, 5).trimmed(), QStringLiteral("0: 0"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 1).last(), QStringLiteral("3"));
}

QTEST_MAIN(TestMainWindowPublish)
#include "tst_ui_frmtable_publish.moc"
