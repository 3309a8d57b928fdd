// The classic edition's window, driven through its controls with scripted answers, on data
// files in a temporary folder made the current one.
#include "classic/frmtable.h"
#include "tst_kit.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using platform::Answer;
using platform::ScriptedPrompter;

namespace {

using testkit::fileBytes;

const QString kDeliveredData = QStringLiteral(SOCCER_DELIVERED_DATA);
const QStringList kDataFiles = {"komand.dat", "s.dat", "file.dat"};

QByteArray repeated(const QByteArray &line, int times) {
    QByteArray bytes;
    for (int i = 0; i < times; ++i)
        bytes += line;
    return bytes;
}

// The delivered data files copied into a fresh folder that is the current one while it lives.
class DataFolder {
  public:
    DataFolder() : previous_(QDir::currentPath()) {
        for (const QString &name : kDataFiles)
            QFile::copy(kDeliveredData + "/" + name, folder_.filePath(name));
        QDir::setCurrent(folder_.path());
    }
    ~DataFolder() { QDir::setCurrent(previous_); }

    QString path(const QString &name) const { return folder_.filePath(name); }
    QByteArray bytes(const QString &name) const { return fileBytes(path(name)); }

  private:
    QTemporaryDir folder_;
    QString previous_;
};

// The window with its controls found by name, as a user meets them.
struct Window {
    std::unique_ptr<classic::frmtable> form = std::make_unique<classic::frmtable>();
    QTableWidget *MS = form->findChild<QTableWidget *>("MS");
    QTableWidget *MSF = form->findChild<QTableWidget *>("MSF");

    Window() { form->show(); }

    QToolButton *button(const char *name) const { return form->findChild<QToolButton *>(name); }
    QAction *item(const char *name) const { return form->findChild<QAction *>(name); }

    void clickCell(QTableWidget *grid, int row, int column) const {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void enterScore(ScriptedPrompter &prompter, int r, int c, const QString &answer) const {
        prompter.queueInput(answer);
        clickCell(MS, r, c + 1);
    }
    QString text(QTableWidget *grid, int row, int column) const {
        const QTableWidgetItem *cell = grid->item(row, column);
        return cell ? cell->text() : QString();
    }
    QStringList counters(int team) const {
        QStringList values;
        for (int column = 18; column <= 22; ++column)
            values << text(MS, team, column);
        return values;
    }
    QStringList resultsRow(int position) const {
        QStringList values;
        for (int column = 1; column <= 6; ++column)
            values << text(MSF, position, column);
        return values;
    }
};

QStringList deliveredNames() {
    QStringList names =
        soccer::fromCodePage(fileBytes(kDeliveredData + "/komand.dat")).split("\r\n");
    names.removeLast(); // after the last line end
    return names;
}

} // namespace

class TestClassicWindow : public QObject {
    Q_OBJECT

  private slots:
    void freshLeagueLoadsAsEmptyCrossTable();
    void windowLayout();
    void menuItems();
    void scoreEntryThroughTheGrid();
    void answersThatChangeNothing_data();
    void answersThatChangeNothing();
    void clicksOutsideScoreCellsAskNothing();
    void resultsTableKeepsTeamOrderOnTies();
    void clearThenSaveWritesEmptyFiles();
    void restartFindsEverythingSaved();
    void missingDataFileIsReportedByName_data();
    void missingDataFileIsReportedByName();
    void failedSaveIsReportedAndKeepsOldFiles();
    void renameByClickRefusesUnsafeNames();
    void renameAllTeams();
    void exitAsksFirst();
    void undoAndRedoOfEveryChange_data();
    void undoAndRedoOfEveryChange();
    void exitWithChangesOffersToSave();
    void startFinishesAnInterruptedSave_data();
    void startFinishesAnInterruptedSave();
    void helpAndAbout();
    void picturesAndGridsHaveSpokenNames();
};

void TestClassicWindow::freshLeagueLoadsAsEmptyCrossTable() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    QVERIFY(window.form->loaded());
    QVERIFY(prompter.asked().isEmpty());
    QCOMPARE(window.MS->rowCount(), 17);
    QCOMPARE(window.MS->columnCount(), 23);
    QCOMPARE(window.MSF->rowCount(), 17);
    QCOMPARE(window.MSF->columnCount(), 7);
    QVERIFY(window.MS->isVisible());
    QVERIFY(!window.MSF->isVisible());

    const QStringList names = deliveredNames();
    QCOMPARE(names.size(), 16);
    for (int team = 1; team <= 16; ++team) {
        QCOMPARE(window.text(window.MS, team, 0), QString::number(team));
        QCOMPARE(window.text(window.MS, team, 1), names[team - 1]);
        QCOMPARE(window.text(window.MS, 0, team + 1), QString::number(team));
        for (int column = 2; column <= 17; ++column)
            QCOMPARE(window.text(window.MS, team, column), QString());
        QCOMPARE(window.counters(team), QStringList(5, "0"));
    }
    const QStringList heads = {"№", "Команды", "И", "П", "Н", "В", "О"};
    for (int i = 0; i < heads.size(); ++i) {
        QCOMPARE(window.text(window.MSF, 0, i), heads[i]);
        QCOMPARE(window.text(window.MS, 0, i < 2 ? i : 16 + i), heads[i]);
    }
}

void TestClassicWindow::windowLayout() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    QCOMPARE(window.form->windowTitle(), QString("Тарвел"));
    QWidget *client = window.form->centralWidget();
    QVERIFY(client->width() >= platform::twipsToPixelsX(13065));
    QVERIFY(client->height() >= platform::twipsToPixelsY(4695));
    QCOMPARE(window.form->minimumSize(), window.form->maximumSize());
    QVERIFY(!(window.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window.form->windowFlags() & Qt::WindowMinimizeButtonHint));

    // Both grids show every cell without scrolling and stay inside the client area.
    for (QTableWidget *grid : {window.MS, window.MSF}) {
        const QRect last = grid->visualRect(grid->model()->index(16, grid->columnCount() - 1));
        QVERIFY(grid->viewport()->rect().contains(last));
        QVERIFY(client->rect().contains(grid->geometry()));
    }

    const QColor header(150, 150, 150), even(160, 160, 160), odd(200, 200, 200), dark(1, 1, 1);
    auto colour = [&](int row, int column) {
        return window.MS->item(row, column)->background().color();
    };
    QCOMPARE(colour(0, 5), header);
    QCOMPARE(colour(3, 0), header);
    QCOMPARE(colour(3, 1), header);
    QCOMPARE(colour(3, 6), odd);
    QCOMPARE(colour(4, 20), even);
    QCOMPARE(colour(3, 4), dark);
    QCOMPARE(colour(16, 17), dark);
    QCOMPARE(window.MSF->item(2, 3)->background().color(), even);
}

void TestClassicWindow::menuItems() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    QStringList seen;
    for (QAction *menuAction : window.form->menuBar()->actions()) {
        seen << menuAction->text();
        for (QAction *item : menuAction->menu()->actions())
            seen << (item->isSeparator() ? QString("-")
                                         : item->objectName() + " " + item->text() + " " +
                                               item->shortcut().toString());
    }
    const QStringList expected = {"&Меню",
                                  "mnuchess &Шахматная таблица Ctrl+C",
                                  "mnutable &Таблица результатов Ctrl+T",
                                  "-",
                                  "mnurename &Переименовать F2",
                                  "-",
                                  "mnusave &Сохранить Ctrl+S",
                                  "mnuclear &Очистить Ctrl+D",
                                  "-",
                                  "mnuexit &Выход Ctrl+E",
                                  "&Правка",
                                  "mnuundo &Отменить Ctrl+Z",
                                  "mnuredo &Повторить Ctrl+Y",
                                  "Сп&равка",
                                  "mnuhelp П&омошь Ctrl+H",
                                  "-",
                                  "mnuabout О про&грамме Ctrl+I"};
    QCOMPARE(seen, expected);

    // The view commands: the shown view's own command is off, the other view's on.
    auto states = [&] {
        QString text;
        for (const char *name : {"mnuchess", "mnutable", "mnurename", "mnuclear"})
            text += window.item(name)->isEnabled() ? '1' : '0';
        for (const char *name : {"cmdchess", "cmdtable", "cmdrename", "cmdclear"})
            text += window.button(name)->isEnabled() ? '1' : '0';
        return text;
    };
    QCOMPARE(states(), QString("01110111"));
    window.item("mnutable")->trigger();
    QCOMPARE(states(), QString("10001000"));
    QVERIFY(window.MSF->isVisible());
    QVERIFY(!window.MS->isVisible());
    window.button("cmdchess")->click();
    QCOMPARE(states(), QString("01110111"));
    QVERIFY(window.MS->isVisible());
    QVERIFY(!window.MSF->isVisible());
    QVERIFY(prompter.asked().isEmpty());
}

void TestClassicWindow::scoreEntryThroughTheGrid() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    const QStringList names = deliveredNames();
    window.enterScore(prompter, 3, 5, "2 1");
    QCOMPARE(prompter.asked().size(), 1);
    const auto &prompt = prompter.asked().first();
    QCOMPARE(prompt.kind, ScriptedPrompter::Kind::Input);
    QCOMPARE(prompt.text, "Введите счет между:  " + names[2] + "  " + names[4]);
    QCOMPARE(prompt.title, QString("Тарвел"));
    QCOMPARE(prompt.defaultAnswer, QString("0 0"));

    QCOMPARE(window.text(window.MS, 3, 6), QString(" 2: 1"));
    QCOMPARE(window.text(window.MS, 5, 4), QString(" 1: 2"));
    QCOMPARE(window.counters(3), (QStringList{"1", "0", "0", "1", "3"}));
    QCOMPARE(window.counters(5), (QStringList{"1", "1", "0", "0", "0"}));

    window.enterScore(prompter, 3, 5, "1 1");
    QCOMPARE(window.text(window.MS, 3, 6), QString(" 1: 1"));
    QCOMPARE(window.text(window.MS, 5, 4), QString(" 1: 1"));
    QCOMPARE(window.counters(3), (QStringList{"1", "0", "1", "0", "1"}));
    QCOMPARE(window.counters(5), (QStringList{"1", "0", "1", "0", "1"}));

    // From the mirror cell the pair is the same match seen from the other side.
    window.enterScore(prompter, 5, 3, "0 3");
    QCOMPARE(window.text(window.MS, 3, 6), QString(" 3: 0"));
    QCOMPARE(window.counters(3), (QStringList{"1", "0", "0", "1", "3"}));
    QCOMPARE(window.counters(5), (QStringList{"1", "1", "0", "0", "0"}));
    QCOMPARE(prompter.unexpected(), 0);
}

void TestClassicWindow::answersThatChangeNothing_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("dismissed");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dismissed") << "" << true;
    QTest::newRow("no blank") << "2:1" << false;
}

void TestClassicWindow::answersThatChangeNothing() {
    QFETCH(QString, answer);
    QFETCH(bool, dismissed);
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    window.enterScore(prompter, 7, 2, "4 0");
    for (auto [r, c] : {std::pair{7, 2}, std::pair{9, 10}}) { // over a result, on a free pair
        const QString before = window.text(window.MS, r, c + 1);
        if (dismissed)
            prompter.queueDismissedInput();
        else
            prompter.queueInput(answer);
        window.clickCell(window.MS, r, c + 1);
        QCOMPARE(window.text(window.MS, r, c + 1), before);
        QCOMPARE(window.text(window.MS, c, r + 1), before.isEmpty() ? QString() : " 0: 4");
    }
    QCOMPARE(window.counters(7), (QStringList{"1", "0", "0", "1", "3"}));
    QCOMPARE(window.counters(2), (QStringList{"1", "1", "0", "0", "0"}));
    QCOMPARE(window.counters(9), QStringList(5, "0"));
    QCOMPARE(prompter.asked().size(), 3);
    QVERIFY(prompter.allAnswersUsed());
}

void TestClassicWindow::clicksOutsideScoreCellsAskNothing() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    const std::pair<int, int> cells[] = {{0, 5}, {4, 0}, {4, 5}, {4, 18}, {4, 22}, {0, 1}};
    for (auto [row, column] : cells)
        window.clickCell(window.MS, row, column);
    QVERIFY(prompter.asked().isEmpty());
    QCOMPARE(window.text(window.MS, 4, 5), QString());
    QCOMPARE(window.counters(4), QStringList(5, "0"));
}

void TestClassicWindow::resultsTableKeepsTeamOrderOnTies() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    const QStringList names = deliveredNames();
    window.enterScore(prompter, 8, 7, "1 0");   // 8 wins: 3 points
    window.enterScore(prompter, 3, 5, "2 1");   // 3 wins: 3 points, level with 8
    window.enterScore(prompter, 12, 4, "0 0");  // 4 and 12 draw: 1 point each
    window.enterScore(prompter, 16, 15, "0 2"); // 15 wins: 3 points
    window.enterScore(prompter, 15, 1, "1 1");  // 15: 4 points, 1: 1 point
    window.button("cmdtable")->click();

    const int order[] = {15, 3, 8, 1, 4, 12, 2, 5, 6, 7, 9, 10, 11, 13, 14, 16};
    for (int position = 1; position <= 16; ++position) {
        QCOMPARE(window.text(window.MSF, position, 0), QString::number(position));
        QCOMPARE(window.text(window.MSF, position, 1), names[order[position - 1] - 1]);
    }
    QCOMPARE(window.resultsRow(1), (QStringList{names[14], "2", "0", "1", "1", "4"}));
    QCOMPARE(window.resultsRow(2), (QStringList{names[2], "1", "0", "0", "1", "3"}));
    QCOMPARE(window.resultsRow(16), (QStringList{names[15], "1", "1", "0", "0", "0"}));
}

void TestClassicWindow::clearThenSaveWritesEmptyFiles() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    const QByteArray names = folder.bytes("komand.dat");
    window.enterScore(prompter, 3, 5, "2 1");
    window.enterScore(prompter, 1, 16, "0 0");
    prompter.queueAnswer(Answer::Yes);
    window.button("cmdsave")->click();
    const QByteArray savedCounters = folder.bytes("file.dat");
    QVERIFY(savedCounters.startsWith(" 1  0  1  0  1 \r\n 0  0  0  0  0 \r\n 1  0  0  1  3 \r\n"));

    prompter.clear();
    prompter.queueAnswer(Answer::No);
    window.button("cmdclear")->click();
    QCOMPARE(window.text(window.MS, 3, 6), QString(" 2: 1"));
    prompter.queueAnswer(Answer::Yes);
    window.item("mnuclear")->trigger();
    prompter.queueAnswer(Answer::No);
    window.button("cmdsave")->click();
    QCOMPARE(folder.bytes("file.dat"), savedCounters); // cleared in memory only

    prompter.queueAnswer(Answer::Yes);
    window.item("mnusave")->trigger();
    QCOMPARE(prompter.askedTexts(),
             (QStringList{"Вы хотите очистить всю таблицу?", "Вы хотите очистить всю таблицу?",
                          "ОК", "Сохранить?", "Сохранить?", "Сохранено"}));
    for (int team = 1; team <= 16; ++team) {
        QCOMPARE(window.counters(team), QStringList(5, "0"));
        for (int column = 2; column <= 17; ++column)
            QCOMPARE(window.text(window.MS, team, column), QString());
    }
    QCOMPARE(folder.bytes("s.dat"), repeated("\r\n", 256));
    QCOMPARE(folder.bytes("file.dat"), repeated(" 0  0  0  0  0 \r\n", 16));
    QCOMPARE(folder.bytes("komand.dat"), names);
}

void TestClassicWindow::restartFindsEverythingSaved() {
    DataFolder folder;
    ScriptedPrompter prompter;
    QStringList cellsBefore, countersBefore, namesBefore;
    {
        Window window;
        window.enterScore(prompter, 3, 5, "2 1");
        window.enterScore(prompter, 16, 1, "0 4");
        window.enterScore(prompter, 6, 7, "1.5 1.5");
        prompter.queueAnswer(Answer::Yes);
        prompter.queueInput("Факел");
        window.clickCell(window.MS, 11, 1);
        prompter.queueAnswer(Answer::Yes);
        window.button("cmdsave")->click();
        for (int team = 1; team <= 16; ++team) {
            namesBefore << window.text(window.MS, team, 1);
            countersBefore += window.counters(team);
            for (int column = 2; column <= 17; ++column)
                cellsBefore << window.text(window.MS, team, column).trimmed();
        }
    }
    Window restarted;
    QVERIFY(restarted.form->loaded());
    QStringList cells, counters, names;
    for (int team = 1; team <= 16; ++team) {
        names << restarted.text(restarted.MS, team, 1);
        counters += restarted.counters(team);
        for (int column = 2; column <= 17; ++column)
            cells << restarted.text(restarted.MS, team, column).trimmed();
    }
    QCOMPARE(names, namesBefore);
    QCOMPARE(names[10], QString("Факел"));
    QCOMPARE(counters, countersBefore);
    QCOMPARE(cells, cellsBefore);
    QCOMPARE(cells.filter(":").size(), 6);

    // A result from the files is taken back like one typed in this run.
    restarted.enterScore(prompter, 1, 16, "0 0");
    QCOMPARE(restarted.counters(16), (QStringList{"1", "0", "1", "0", "1"}));
    QCOMPARE(restarted.counters(1), (QStringList{"1", "0", "1", "0", "1"}));
}

void TestClassicWindow::missingDataFileIsReportedByName_data() {
    QTest::addColumn<QString>("fileName");
    for (const QString &name : kDataFiles)
        QTest::newRow(qPrintable(name)) << name;
}

void TestClassicWindow::missingDataFileIsReportedByName() {
    QFETCH(QString, fileName);
    DataFolder folder;
    QVERIFY(QFile::remove(folder.path(fileName)));
    ScriptedPrompter prompter;
    classic::frmtable form;
    QVERIFY(!form.loaded());
    QCOMPARE(prompter.asked().size(), 2);
    const auto &report = prompter.asked()[0];
    QCOMPARE(report.icon, platform::Icon::Critical);
    QVERIFY2(report.text.startsWith("Не удаётся прочитать файл " + fileName + ": файл не найден"),
             qPrintable(report.text));
    QCOMPARE(prompter.asked()[1].kind, ScriptedPrompter::Kind::End);
    QVERIFY(prompter.ended());
    QVERIFY(prompter.asked()[1].exitCode != 0);
}

void TestClassicWindow::failedSaveIsReportedAndKeepsOldFiles() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    const QByteArray cells = folder.bytes("s.dat");
    const QByteArray names = folder.bytes("komand.dat");
    // A folder where file.dat was: the first file of the save cannot be replaced.
    QVERIFY(QFile::remove(folder.path("file.dat")));
    QVERIFY(QDir(folder.path("")).mkdir("file.dat"));
    window.enterScore(prompter, 3, 5, "2 1");
    prompter.clear();
    prompter.queueAnswer(Answer::Yes);
    window.button("cmdsave")->click();

    QCOMPARE(prompter.asked().size(), 2);
    const auto &report = prompter.asked()[1];
    QVERIFY2(report.text.startsWith("Не удаётся сохранить файл file.dat: "),
             qPrintable(report.text));
    QCOMPARE(report.icon, platform::Icon::Critical);
    QVERIFY(!prompter.askedTexts().contains("Сохранено"));
    QCOMPARE(folder.bytes("s.dat"), cells);
    QCOMPARE(folder.bytes("komand.dat"), names);
    QVERIFY(!prompter.ended());
    QCOMPARE(window.text(window.MS, 3, 6), QString(" 2: 1")); // the table is still there
}

void TestClassicWindow::renameByClickRefusesUnsafeNames() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    const QString old = window.text(window.MS, 4, 1);

    prompter.queueAnswer(Answer::No);
    window.clickCell(window.MS, 4, 1);
    QCOMPARE(prompter.askedTexts(), QStringList{"Вы хотите переименовать " + old});
    QCOMPARE(window.text(window.MS, 4, 1), old);

    prompter.clear();
    prompter.queueAnswer(Answer::Yes);
    prompter.queueInput("Спартак, Москва");
    prompter.queueInput("Спартак Москва");
    window.clickCell(window.MS, 4, 1);
    const auto &asked = prompter.asked();
    QCOMPARE(asked.size(), 4);
    QCOMPARE(asked[1].text, "Введите новое имя команды " + old);
    QCOMPARE(asked[1].defaultAnswer, old);
    QCOMPARE(asked[2].kind, ScriptedPrompter::Kind::Message); // the refusal
    QVERIFY(!asked[2].text.isEmpty());
    QCOMPARE(asked[3].defaultAnswer, QString("Спартак, Москва"));
    QCOMPARE(window.text(window.MS, 4, 1), QString("Спартак Москва"));

    // The new name stands in the score prompt from now on.
    window.enterScore(prompter, 4, 2, "1 0");
    QVERIFY(prompter.asked().last().text.contains("Спартак Москва  "));

    // A name the code page lacks is refused and offered in its nearest storable spelling;
    // dismissing the prompt then keeps the name the team had.
    prompter.clear();
    prompter.queueAnswer(Answer::Yes);
    prompter.queueInput("Atlético Madrid");
    prompter.queueDismissedInput();
    window.clickCell(window.MS, 4, 1);
    QCOMPARE(prompter.asked().size(), 4);
    QCOMPARE(prompter.asked()[2].icon, platform::Icon::Critical);
    QCOMPARE(prompter.asked()[3].defaultAnswer, QString("Atletico Madrid"));
    QCOMPARE(window.text(window.MS, 4, 1), QString("Спартак Москва"));
    QVERIFY(prompter.allAnswersUsed());
}

void TestClassicWindow::renameAllTeams() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    prompter.queueAnswer(Answer::Yes);
    for (int team = 1; team <= 16; ++team) {
        if (team == 2)
            prompter.queueDismissedInput();
        else
            prompter.queueInput(QStringLiteral("Клуб %1").arg(team));
    }
    window.button("cmdrename")->click();
    const auto &asked = prompter.asked();
    QCOMPARE(asked.size(), 17);
    QCOMPARE(asked[0].text, QString("Вы хотите переименовать команды?"));
    QCOMPARE(asked[1].text, QString("Введите имя  1 команды"));
    QCOMPARE(asked[16].text, QString("Введите имя  16 команды"));
    // The dismissed prompt of team 2 keeps its name, and the sequence goes on.
    QCOMPARE(window.text(window.MS, 2, 1), deliveredNames()[1]);
    QCOMPARE(window.text(window.MS, 16, 1), QString("Клуб 16"));
    QVERIFY(prompter.allAnswersUsed());

    prompter.queueAnswer(Answer::Yes);
    window.item("mnusave")->trigger();
    QVERIFY(folder.bytes("komand.dat")
                .startsWith("\xCA\xEB\xF3\xE1 1\r\n" + testkit::cp1251(deliveredNames()[1]) +
                            "\r\n\xCA\xEB\xF3\xE1 3\r\n"));
}

void TestClassicWindow::exitAsksFirst() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    prompter.queueAnswer(Answer::No);
    window.button("cmdexit")->click();
    QVERIFY(!prompter.ended());
    prompter.queueAnswer(Answer::Yes);
    window.item("mnuexit")->trigger();
    QVERIFY(prompter.ended());
    QCOMPARE(prompter.askedTexts().first(), QString("Вы действительно хотите выйти?"));
    QCOMPARE(prompter.asked().last().exitCode, 0);
}

void TestClassicWindow::undoAndRedoOfEveryChange_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("step");
    QTest::newRow("score") << "score"
                           << "&Отменить ввод счёта %1 – %2";
    QTest::newRow("rename") << "rename"
                            << "&Отменить переименование команды %1";
    QTest::newRow("clear") << "clear"
                           << "&Отменить очистку таблицы";
}

// Every change is one named step: Правка takes it back to the very texts shown before, and
// gives it again.
void TestClassicWindow::undoAndRedoOfEveryChange() {
    QFETCH(QString, change);
    QFETCH(QString, step);
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    window.enterScore(prompter, 1, 2, "3 0");
    auto shown = [&] {
        QStringList texts;
        for (int row = 1; row <= 16; ++row)
            for (int column = 1; column <= 22; ++column)
                texts << window.text(window.MS, row, column);
        return texts;
    };
    const QStringList before = shown();
    const QString first = window.text(window.MS, 3, 1);
    const QString second = window.text(window.MS, 4, 1);
    if (change == "score") {
        window.enterScore(prompter, 3, 4, "2 2");
    } else if (change == "rename") {
        prompter.queueAnswer(Answer::Yes);
        prompter.queueInput("Спартак");
        window.clickCell(window.MS, 3, 1);
    } else {
        prompter.queueAnswer(Answer::Yes);
        window.button("cmdclear")->click();
    }
    const QStringList after = shown();
    QVERIFY(after != before);
    QCOMPARE(window.item("mnuundo")->text(),
             QString(step).replace("%1", first).replace("%2", second));

    QCOMPARE(window.item("mnuundo")->shortcut(), QKeySequence("Ctrl+Z"));
    window.item("mnuundo")->trigger();
    QCOMPARE(shown(), before);
    QVERIFY(window.item("mnuredo")->isEnabled());
    window.item("mnuredo")->trigger();
    QCOMPARE(shown(), after);
}

// Нет to saving leaves the files as they were; the program ends.
void TestClassicWindow::exitWithChangesOffersToSave() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    window.enterScore(prompter, 1, 2, "3 0");
    prompter.clear();
    prompter.queueAnswer(Answer::Yes);
    prompter.queueAnswer(Answer::No);
    window.button("cmdexit")->click();
    QCOMPARE(prompter.askedTexts().mid(0, 2),
             QStringList({"Вы действительно хотите выйти?", "Сохранить изменения в таблице?"}));
    QVERIFY(prompter.ended());
    QCOMPARE(folder.bytes("s.dat"), fileBytes(kDeliveredData + "/s.dat"));
}

void TestClassicWindow::startFinishesAnInterruptedSave_data() {
    QTest::addColumn<bool>("journal");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("committed") << true
                               << "Прерванное сохранение завершено: файлы komand.dat, s.dat и "
                                  "file.dat записаны полностью."
                               << "Новое имя";
    QTest::newRow("not committed") << false
                                   << "Прерванное сохранение отменено: файлы komand.dat, s.dat и "
                                      "file.dat остались прежними."
                                   << deliveredNames().first();
}

// A kill between the save's writes left its scratch files (and maybe its journal): the start
// puts the set right before it reads it, and says so once.
void TestClassicWindow::startFinishesAnInterruptedSave() {
    QFETCH(bool, journal);
    QFETCH(QString, said);
    QFETCH(QString, firstName);
    DataFolder folder;
    QByteArray names = testkit::cp1251("Новое имя\r\n");
    for (const QString &name : deliveredNames().mid(1))
        names += testkit::cp1251(name + "\r\n");
    testkit::putFile(folder.path("komand.dat.new"), names);
    if (journal)
        testkit::putFile(folder.path("soccer-classic.journal"), "komand.dat\n");
    ScriptedPrompter prompter;
    Window window;
    QVERIFY(window.form->loaded());
    QCOMPARE(prompter.askedTexts(), QStringList{said});
    QCOMPARE(window.text(window.MS, 1, 1), firstName);
    QVERIFY(!QFile::exists(folder.path("komand.dat.new")));
}

void TestClassicWindow::helpAndAbout() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    window.item("mnuhelp")->trigger();
    QCOMPARE(prompter.asked().size(), 1);
    QCOMPARE(prompter.asked()[0].title, QString("Помощь"));
    QVERIFY(prompter.asked()[0].text.contains("komand.dat"));

    window.button("cmdabout")->click();
    window.item("mnuabout")->trigger(); // a second request shows the same box
    QList<QDialog *> boxes = window.form->findChildren<QDialog *>();
    QCOMPARE(boxes.size(), 1);
    QPointer<QDialog> about = boxes.first();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QString("About Тарвел"));
    QCOMPARE(about->findChild<QLabel *>("lblVersion")->text(), QString("Version 2.0.1"));
    QCOMPARE(about->findChild<QLabel *>("lblTitle")->text(), QString("Тарвел"));
    QCOMPARE(about->palette().color(QPalette::Window), QColor(150, 150, 150));
    QTest::keyClick(about.data(), Qt::Key_Escape);
    QVERIFY(!about || !about->isVisible());
}

// A screen reader names each picture button by its tool tip and each grid by its view.
void TestClassicWindow::picturesAndGridsHaveSpokenNames() {
    DataFolder folder;
    ScriptedPrompter prompter;
    Window window;
    QList<QToolButton *> buttons;
    for (QToolButton *button : window.form->findChildren<QToolButton *>())
        if (button->objectName().startsWith("cmd"))
            buttons << button;
    QCOMPARE(buttons.size(), 8);
    for (QToolButton *button : buttons) {
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(button);
        QVERIFY(spoken);
        QCOMPARE(spoken->text(QAccessible::Name), button->toolTip());
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(window.MS)->text(QAccessible::Name),
             QString("Шахматная таблица"));
    QCOMPARE(QAccessible::queryAccessibleInterface(window.MSF)->text(QAccessible::Name),
             QString("Таблица результатов"));
}

QTEST_MAIN(TestClassicWindow)
#include "tst_classic_window.moc"
