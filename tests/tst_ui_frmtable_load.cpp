// The main window's construction, loading, painting, views, refresh and sizing.
#include "tst_kit_mainwindow.h"
#include "ui/main/mainlayout.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>

using namespace testkit;

namespace {

const soccer::ColorScheme kScheme{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};

QColor mainColor() {
    return platform::toColor(kScheme.main);
}
QColor secondColor() {
    return platform::toColor(kScheme.second);
}
QColor diagonalColor() {
    return platform::toColor(soccer::kDiagonalColor);
}

// The controls whose enabled state follows the view.
const char *const kViewControls[] = {"cmdchess", "mnuchess",  "cmdchess1", "mnuchess1", "cmdtable",
                                     "mnutable", "cmdrename", "mnurename", "cmdclear",  "mnuclear"};

bool isEnabled(frmtable *window, const char *name) {
    if (auto *button = window->findChild<QToolButton *>(QLatin1String(name)))
        return button->isEnabled();
    return control<QAction>(window, name)->isEnabled();
}

QStringList enabledViewControls(frmtable *window) {
    QStringList enabled;
    for (const char *name : kViewControls)
        if (isEnabled(window, name))
            enabled << QLatin1String(name);
    return enabled;
}

QStringList visibleGrids(frmtable *window) {
    QStringList visible;
    for (const char *name : {"MS", "ms1", "MSF"})
        if (grid(window, name)->isVisible())
            visible << QLatin1String(name);
    return visible;
}

// The items of a menu by name, "-" for a separator.
QStringList menuItems(frmtable *window, const char *menuName) {
    QStringList items;
    for (QAction *action : control<QMenu>(window, menuName)->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return items;
}

} // namespace

class TestMainWindowLoad : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(frmtable::current() == nullptr); }
    void cleanup() { deleteAllWindows(); }

    void gridShapesFollowTheTeamCount_data();
    void gridShapesFollowTheTeamCount();
    void gridsHaveNoHeaderBandsAndReadOnlyCells();
    void headersNamesAndStatisticsAreWritten();
    void colorsPaintStripesHeadersAndDiagonal();
    void captionNamesTheTable();
    void menusHoldTheItemsInOrder();
    void startsInTheCrossTable1View();
    void viewsSwitchWholeSets_data();
    void viewsSwitchWholeSets();
    void shortcutsRunTheCommands();
    void missingTableEndsTheProgramWithError53();
    void missingOptionsFileFallsBackToTheStandardScheme();
    void armRefreshRepaintsAndReturnsToCrossTable1();
    void gridsFollowTheWindowSize();
    void tooSmallWindowLeavesTheGrids();
    void exitAsksFirst();
    void helpPointsToTheHelpPage();
    void optionsAndAboutDoNotBlock();
    void largestTableLoadsAndReopens();
};

void TestMainWindowLoad::gridShapesFollowTheTeamCount_data() {
    QTest::addColumn<int>("teams");
    QTest::newRow("4 teams") << 4;
    QTest::newRow("99 teams") << 99;
}

void TestMainWindowLoad::gridShapesFollowTheTeamCount() {
    QFETCH(int, teams);
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", teams));
    QVERIFY(window);
    for (const char *name : {"MS", "ms1"}) {
        TableGrid *cross = grid(window, name);
        QCOMPARE(cross->rowCount(), teams + 1);
        QCOMPARE(cross->columnCount(), teams + 2 + int(soccer::kCrossTableColumns.size()));
        QCOMPARE(cross->columnWidth(0), platform::twipsToPixelsX(350));
        QCOMPARE(cross->columnWidth(1), platform::twipsToPixelsX(1650));
        QCOMPARE(cross->columnWidth(2), platform::twipsToPixelsX(600));
        QCOMPARE(cross->columnWidth(teams + 1), platform::twipsToPixelsX(600));
        // The layout's width is each statistic column's minimum; a header wider than it
        // ("Мя" in some fonts) widens its column.
        for (const soccer::StatisticColumn &statistic : soccer::kCrossTableColumns)
            QVERIFY(cross->columnWidth(statisticColumn(cross, statistic.counter)) >=
                    platform::twipsToPixelsX(350));
        QCOMPARE(cross->columnWidth(statisticColumn(cross, soccer::Counter::Points)),
                 platform::twipsToPixelsX(350));
        QCOMPARE(cross->rowHeight(teams), platform::twipsToPixelsY(240));
    }
    TableGrid *results = grid(window, "MSF");
    QCOMPARE(results->rowCount(), teams + 1);
    QCOMPARE(results->columnCount(), 2 + int(soccer::kResultsGridColumns.size()));
    QCOMPARE(results->columnWidth(1), platform::twipsToPixelsX(1650));
    for (const soccer::StatisticColumn &statistic : soccer::kResultsGridColumns)
        QVERIFY(results->columnWidth(statisticColumn(results, statistic.counter)) >=
                platform::twipsToPixelsX(350));
    QCOMPARE(results->columnWidth(statisticColumn(results, soccer::Counter::Points)),
             platform::twipsToPixelsX(350));
    QCOMPARE(results->rowHeight(0), platform::twipsToPixelsY(240));
}

void TestMainWindowLoad::gridsHaveNoHeaderBandsAndReadOnlyCells() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    for (const char *name : {"MS", "ms1", "MSF"}) {
        TableGrid *shown = grid(window, name);
        QVERIFY(shown->horizontalHeader()->isHidden());
        QVERIFY(shown->verticalHeader()->isHidden());
        QCOMPARE(shown->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(shown->model()->flags(shown->model()->index(1, 2)) & Qt::ItemIsEditable));
        QVERIFY(shown->viewport()->hasMouseTracking());
    }
}

void TestMainWindowLoad::headersNamesAndStatisticsAreWritten() {
    Sandbox sandbox;
    auto league = namedLeague({"Альфа", "Бета", "Гамма", "Дельта"});
    league->crossTables[1].stats[2] = {3, 7, 2, 0, 1, 5, 2}; // played, points, wins, ...
    league->crossTables[1].cells[2][3] = QStringLiteral(" 2: 1");
    league->crossTables[1].cells[3][2] = QStringLiteral(" 1: 2");
    league->crossTables[2].cells[1][4] = QStringLiteral(" 0: 0");
    league->crossTables[2].cells[4][1] = QStringLiteral(" 0: 0");
    frmtable *window = sandbox.open(sandbox.table("t.TFL", *league));

    TableGrid *ms = grid(window, "MS");
    TableGrid *ms1 = grid(window, "ms1");
    const QStringList header = {"№", "Команды", "1", "2",  "3",  "4", "И",
                                "П", "Н",       "В", "Мя", "чи", "О"};
    for (TableGrid *cross : {ms, ms1}) {
        QStringList row0;
        for (int column = 0; column < cross->columnCount(); ++column)
            row0 << cross->text(0, column);
        QCOMPARE(row0, header);
        QCOMPARE(column(cross, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(column(cross, 1), QStringList({"Альфа", "Бета", "Гамма", "Дельта"}));
        QCOMPARE(cross->alignment(1, 3), Qt::AlignHCenter | Qt::AlignBottom);
        QCOMPARE(cross->alignment(0, 10), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(cross->alignment(0, 11), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(cross->alignment(0, 12), Qt::AlignHCenter | Qt::AlignBottom);
    }
    QCOMPARE(statisticsRow(ms, 2), QStringList({"3", "0", "1", "2", "5", "2", "7"}));
    QCOMPARE(statisticsRow(ms1, 2), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
    QCOMPARE(ms->text(2, 4), QStringLiteral("2: 1"));
    QCOMPARE(ms->text(3, 3), QStringLiteral("1: 2"));
    QCOMPARE(ms->text(1, 5), QString());
    QCOMPARE(ms1->text(1, 5), QStringLiteral("0: 0"));

    TableGrid *results = grid(window, "MSF");
    // The known headers in their order, wherever a column added among them stands.
    const QStringList known{"№", "Команды", "И", "П", "Н", "В", "Мя", "чи", "О"};
    QStringList resultsHeader;
    for (int column = 0; column < results->columnCount(); ++column) {
        if (known.contains(results->text(0, column)))
            resultsHeader << results->text(0, column);
    }
    QCOMPARE(resultsHeader, known);
    QCOMPARE(column(results, 0), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(results->alignment(0, statisticColumn(results, soccer::Counter::GoalsFor)),
             Qt::AlignLeft | Qt::AlignVCenter);
}

void TestMainWindowLoad::colorsPaintStripesHeadersAndDiagonal() {
    Sandbox sandbox(kScheme);
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 5));
    for (const char *name : {"MS", "ms1"}) {
        TableGrid *cross = grid(window, name);
        for (int column = 0; column < cross->columnCount(); ++column)
            QCOMPARE(cross->background(0, column), mainColor());
        for (int row = 1; row <= 5; ++row) {
            QCOMPARE(cross->background(row, 0), mainColor());
            QCOMPARE(cross->background(row, 1), mainColor());
            QCOMPARE(cross->background(row, row + 1), diagonalColor());
            const QColor stripe = row % 2 == 0 ? mainColor() : secondColor();
            QCOMPARE(cross->background(row, row == 1 ? 3 : 2), stripe);
            QCOMPARE(cross->background(row, 13), stripe);
        }
        QCOMPARE(cross->palette().color(QPalette::Text), platform::toColor(kScheme.text));
    }
    TableGrid *results = grid(window, "MSF");
    for (int column = 0; column < results->columnCount(); ++column)
        QCOMPARE(results->background(0, column), mainColor());
    QCOMPARE(results->background(1, 0), mainColor());
    QCOMPARE(results->background(1, 1), mainColor());
    QCOMPARE(results->background(1, 2), secondColor());
    QCOMPARE(results->background(2, statisticColumn(results, soccer::Counter::Wins)), mainColor());
    QCOMPARE(results->background(3, statisticColumn(results, soccer::Counter::Points)),
             secondColor());

    QCOMPARE(window->palette().color(QPalette::Window), mainColor());
    QCOMPARE(control<QToolButton>(window, "cmdexit")->palette().color(QPalette::Button),
             mainColor());
    auto *okno = control<QLabel>(window, "okno");
    QCOMPARE(okno->palette().color(QPalette::Window), mainColor());
    QCOMPARE(okno->palette().color(QPalette::WindowText), platform::toColor(kScheme.text));
}

void TestMainWindowLoad::captionNamesTheTable() {
    Sandbox sandbox;
    const QString path = sandbox.blankTable("Лига.TFL", 4);
    frmtable *window = sandbox.open(path);
    QCOMPARE(window->windowTitle(), QStringLiteral("Тарвел - ") + shown(path));
    QCOMPARE(frmtable::current(), window);
    QVERIFY(window->isVisible());
}

void TestMainWindowLoad::menusHoldTheItemsInOrder() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QCOMPARE(control<QMenu>(window, "menu")->title(), QStringLiteral("&Меню"));
    QCOMPARE(control<QMenu>(window, "mnus")->title(), QStringLiteral("Сп&равка"));
    QCOMPARE(menuItems(window, "menu"),
             QStringList({"mnunew",      "mnuopen",   "mnusave",   "mnusaveas",   "-",
                          "mnuchess",    "mnuchess1", "mnutable",  "mnutours",    "mnuchart",
                          "mnucalendar", "-",         "mnurename", "mnuclear",    "-",
                          "mnuoption",   "mnurules",  "mnudeduct", "mnuwithdraw", "mnuprint",
                          "mnuexport",   "mnuimport", "-",         "mnuexit"}));
    QCOMPARE(menuItems(window, "mnus"), QStringList({"mnuhelp", "-", "mnuabout"}));
    QVERIFY(window->findChild<QToolButton *>(QStringLiteral("cmdsaveas")) == nullptr);
    QCOMPARE(window->findChildren<QToolButton *>(QRegularExpression("^cmd")).size(), 14);
}

void TestMainWindowLoad::startsInTheCrossTable1View() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QCOMPARE(visibleGrids(window), QStringList({"MS"}));
    QCOMPARE(enabledViewControls(window),
             QStringList({"cmdchess1", "mnuchess1", "cmdtable", "mnutable", "cmdrename",
                          "mnurename", "cmdclear", "mnuclear"}));
    QVERIFY(sandbox.prompter.asked().isEmpty());
}

void TestMainWindowLoad::viewsSwitchWholeSets_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("cross-table 2") << "cmdchess1"
                                   << "ms1" << QStringList({"cmdchess1", "mnuchess1"});
    QTest::newRow("results") << "cmdtable"
                             << "MSF"
                             << QStringList({"cmdtable", "mnutable", "cmdrename", "mnurename",
                                             "cmdclear", "mnuclear"});
}

void TestMainWindowLoad::viewsSwitchWholeSets() {
    QFETCH(QString, command);
    QFETCH(QString, grid);
    QFETCH(QStringList, disabled);
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QTest::mouseClick(window->findChild<QToolButton *>(command), Qt::LeftButton);
    QCOMPARE(visibleGrids(window), QStringList({grid}));
    QStringList expectedEnabled;
    for (const char *name : kViewControls)
        if (!disabled.contains(QLatin1String(name)))
            expectedEnabled << QLatin1String(name);
    QCOMPARE(enabledViewControls(window), expectedEnabled);
    for (const char *always : {"mnunew", "mnuopen", "mnusave", "mnusaveas", "mnuoption", "mnuhelp",
                               "mnuabout", "mnuexit"})
        QVERIFY(isEnabled(window, always));

    control<QAction>(window, "mnuchess")->trigger();
    QCOMPARE(visibleGrids(window), QStringList({"MS"}));
    QVERIFY(!isEnabled(window, "cmdchess") && !isEnabled(window, "mnuchess"));
    QCOMPARE(enabledViewControls(window).size(), 8);
}

void TestMainWindowLoad::shortcutsRunTheCommands() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    grid(window, "MS")->setFocus();
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(visibleGrids(window), QStringList({"ms1"}));
    QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(visibleGrids(window), QStringList({"MSF"}));
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(visibleGrids(window), QStringList({"MS"}));
    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(sandbox.prompter.askedTexts(),
             QStringList({"Откройте файл help.html в папке с программой"}));
}

void TestMainWindowLoad::missingTableEndsTheProgramWithError53() {
    Sandbox sandbox;
    QCOMPARE(sandbox.open(sandbox.path("missing.TFL")), nullptr);
    const auto &asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].text, QStringLiteral("Программа завершена"));
    QCOMPARE(asked[0].title, QStringLiteral("Ошибка №  53"));
    QCOMPARE(asked[0].icon, platform::Icon::Critical);
    QCOMPARE(asked[0].buttons, platform::Buttons::Ok);
    QCOMPARE(asked[1].kind, platform::ScriptedPrompter::Kind::End);
    QCOMPARE(frmtable::current(), nullptr);
}

void TestMainWindowLoad::missingOptionsFileFallsBackToTheStandardScheme() {
    Sandbox sandbox(kScheme);
    QVERIFY(QFile::remove(soccer::optionsFilePath()));
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QVERIFY(window);
    QVERIFY(!sandbox.prompter.ended());
    const soccer::ColorScheme standard = soccer::ColorScheme::standard();
    QCOMPARE(window->league().colors, standard);
    QCOMPARE(grid(window, "MS")->background(1, 3), platform::toColor(standard.second));
    QCOMPARE(fileBytes(soccer::optionsFilePath()), soccer::optionsBytes(standard));
}

void TestMainWindowLoad::armRefreshRepaintsAndReturnsToCrossTable1() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    window->protable();
    TableGrid *ms = grid(window, "MS");
    soccer::writeOptionsFile(soccer::optionsFilePath(), kScheme);

    window->armRefresh();
    QVERIFY(window->refreshPending());
    QTRY_VERIFY(!window->refreshPending());
    QCOMPARE(visibleGrids(window), QStringList({"MS"}));
    QVERIFY(isEnabled(window, "cmdtable") && !isEnabled(window, "cmdchess"));
    QCOMPARE(ms->text(3, statisticColumn(ms, soccer::Counter::Played)), QStringLiteral("0"));
    QCOMPARE(ms->background(2, 3), diagonalColor());
    QCOMPARE(ms->background(1, 3), secondColor());
    QCOMPARE(ms->background(2, 4), mainColor());
    QCOMPARE(grid(window, "MSF")->background(1, 4), secondColor());
    QCOMPARE(grid(window, "MSF")->text(0, 0), QStringLiteral("№"));
    QCOMPARE(window->league().colors, kScheme);
}

void TestMainWindowLoad::gridsFollowTheWindowSize() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    const int frameExtra = window->frameGeometry().height() - window->height();
    window->resize(platform::twipsToPixelsX(12000), platform::twipsToPixelsY(6000) - frameExtra);
    QCOMPARE(platform::pixelsToTwipsY(window->frameGeometry().height()), 6000);
    const int expectedHeight = platform::twipsToPixelsY(4200);
    for (const char *name : {"MS", "ms1", "MSF"})
        QCOMPARE(grid(window, name)->height(), expectedHeight);
    QCOMPARE(grid(window, "MS")->width(), window->frameGeometry().width());
    QCOMPARE(grid(window, "ms1")->width(), window->frameGeometry().width());
    QCOMPARE(grid(window, "MSF")->width(), platform::twipsToPixelsX(mainlayout::kResultsWidth));
    QCOMPARE(control<QLabel>(window, "okno")->width(), window->width());
}

void TestMainWindowLoad::tooSmallWindowLeavesTheGrids() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    window->resize(platform::twipsToPixelsX(12000), platform::twipsToPixelsY(7000));
    const int before = grid(window, "MS")->height();
    window->setMinimumSize(1, 1);
    window->resize(window->width(), platform::twipsToPixelsY(1000));
    QVERIFY(platform::pixelsToTwipsY(window->frameGeometry().height()) < 1800);
    for (const char *name : {"MS", "ms1", "MSF"})
        QCOMPARE(grid(window, name)->height(), before);
}

void TestMainWindowLoad::exitAsksFirst() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    sandbox.prompter.queueAnswer(platform::Answer::No);
    QTest::mouseClick(control<QToolButton>(window, "cmdexit"), Qt::LeftButton);
    QVERIFY(!sandbox.prompter.ended());
    QVERIFY(window->isVisible());
    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Вы действительно хотите выйти?"));
    QCOMPARE(asked[0].title, QStringLiteral("Тарвел"));
    QCOMPARE(asked[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(asked[0].icon, platform::Icon::Information);

    sandbox.prompter.queueAnswer(platform::Answer::Yes);
    control<QAction>(window, "mnuexit")->trigger();
    QCOMPARE(sandbox.prompter.asked().size(), 3);
    QCOMPARE(sandbox.prompter.asked()[1].text, QStringLiteral("Вы действительно хотите выйти?"));
    QCOMPARE(sandbox.prompter.asked()[2].kind, platform::ScriptedPrompter::Kind::End);
}

void TestMainWindowLoad::helpPointsToTheHelpPage() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    control<QAction>(window, "mnuhelp")->trigger();
    const auto asked = sandbox.prompter.asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Откройте файл help.html в папке с программой"));
    QCOMPARE(asked[0].title, QStringLiteral("Помощь"));
    QCOMPARE(asked[0].icon, platform::Icon::None);
    QCOMPARE(asked[0].buttons, platform::Buttons::Ok);
    QVERIFY(QFile::exists(QStringLiteral(SOCCER_DELIVERED_DATA "/help.html")));
}

void TestMainWindowLoad::optionsAndAboutDoNotBlock() {
    Sandbox sandbox;
    frmtable *window = sandbox.open(sandbox.blankTable("t.TFL", 4));
    QTest::mouseClick(control<QToolButton>(window, "cmdoption"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(window, "cmdabout"), Qt::LeftButton);
    QStringList shown;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible())
            shown << QString::fromLatin1(top->metaObject()->className());
    QVERIFY(shown.contains("frmoption"));
    QVERIFY(shown.contains("frmAbout"));
    QVERIFY(window->isVisible());
}

void TestMainWindowLoad::largestTableLoadsAndReopens() {
    Sandbox sandbox;
    auto league = namedLeague({});
    league->teamCount = soccer::kMaxTeams;
    for (int t = 1; t <= soccer::kMaxTeams; ++t) {
        league->teamNames[t] = QStringLiteral("Команда %1").arg(t);
        for (int c = t + 1; c <= soccer::kMaxTeams; ++c)
            for (int k = 1; k <= 2; ++k)
                soccer::enterScore(league->crossTables[k], t, c, QStringLiteral("2 1"));
    }
    const QString path = sandbox.table("big.TFL", *league);
    frmtable *window = sandbox.open(path);
    QVERIFY(window);
    QCOMPARE(grid(window, "ms1")->text(99, 99), QStringLiteral("1: 2"));
    QCOMPARE(statisticsRow(grid(window, "MS"), 1).last(), QString::number(98 * 3));

    // Opening it again runs only the load into the existing window.
    sandbox.prompter.queueAnswer(platform::Answer::No);
    sandbox.prompter.queueFile(path);
    window->cmdopen_Click();
    const QPixmap painted = window->grab();
    QVERIFY(!painted.isNull());
    QCOMPARE(sandbox.prompter.asked().size(), 2); // the question and the file, no failure
    QCOMPARE(grid(window, "MS")->text(98, 100), QStringLiteral("2: 1"));
}

QTEST_MAIN(TestMainWindowLoad)
#include "tst_ui_frmtable_load.moc"
