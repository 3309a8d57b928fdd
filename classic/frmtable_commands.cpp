// The classic window's command table and its commands: the views, score entry and renaming,
// saving, clearing, undo and redo, exit, help and About.
#include "classic/frmAbout.h"
#include "classic/frmtable.h"
#include "classic/windowlayout.h"
#include "core/files/locations.h"
#include "core/league/columns.h"
#include "core/league/score.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/teamrename.h"
#include "ui/document/undoactions.h"
#include "ui/platform/failures.h"
#include "ui/platform/nameprompt.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QUndoStack>

namespace classic {

using namespace windowlayout;

namespace {

// The menus in the order of the menu bar.
enum MenuOf : int { Main, Edit, Help };

// An installed program names the user's folder where the files lie; a program folder of the
// user's own keeps the words it always had.
QString helpText(const QDir &folder) {
    const QString where = soccer::placement() == soccer::Placement::Installed
                              ? QDir::toNativeSeparators(folder.path())
                              : QStringLiteral("программы");
    return QStringLiteral(
               "Чтобы записать результат матча, щёлкните клетку двух команд в шахматной таблице и "
               "введите счёт через пробел, например «2 1».\n"
               "Чтобы переименовать команду, щёлкните её название.\n"
               "«Таблица результатов» располагает команды по очкам.\n"
               "Команда «Сохранить» записывает таблицу в файлы komand.dat, s.dat и file.dat в "
               "папке %1.")
        .arg(where);
}

// This edition ranks by points alone, equal points in team order: the points column's own
// order, not the main edition's ranking rule.
soccer::StatisticColumn byPoints() {
    for (soccer::StatisticColumn column : soccer::kStatisticColumns) {
        if (column.counter == soccer::Counter::Points) {
            column.ordering = soccer::Ordering::ByCounter;
            return column;
        }
    }
    return {};
}

} // namespace

// The buttons stand in one row in the order of their left edges; the menu items follow the
// table's order.
// clang-format off
const platform::Command<frmtable> frmtable::kCommands[] = {
//    key       icon      left  tool tip               menu caption             keys                    menu  sep    runs
    {{"chess",  "chess1", 0,    "Шахматная таблица",   "&Шахматная таблица",   "Ctrl+C",               Main, false}, &frmtable::prochess},
    {{"table",  "table",  600,  "Таблица результатов", "&Таблица результатов", "Ctrl+T",               Main, false}, &frmtable::protable},
    {{"rename", "rename", 1800, "Переименовать",       "&Переименовать",       "F2",                   Main, true},  &frmtable::prorename},
    {{"save",   "save",   1200, "Сохранить",           "&Сохранить",           "Ctrl+S",               Main, true},  &frmtable::prosave},
    {{"clear",  "clear",  2400, "Очистить",            "&Очистить",            "Ctrl+D",               Main, false}, &frmtable::proclear},
    {{"exit",   "exit",   3000, "Выход",               "&Выход",               "Ctrl+E",               Main, true},  &frmtable::proexit},
    {{"undo",   nullptr,  0,    nullptr,               "&Отменить",            "Ctrl+Z",               Edit, false}, &frmtable::proundo},
    {{"redo",   nullptr,  0,    nullptr,               "&Повторить",           "Ctrl+Y; Ctrl+Shift+Z", Edit, false}, &frmtable::proredo},
    {{"help",   "help",   3600, "Помощь",              "П&омошь",              "Ctrl+H",               Help, false}, &frmtable::cmdhelp_Click},
    {{"about",  "about",  4200, "О программе",         "О про&грамме",         "Ctrl+I",               Help, true},  &frmtable::proabout},
};
// clang-format on

void frmtable::buildCommands() {
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Меню"));
    menu->setObjectName("menu");
    QMenu *mnuedit = menuBar()->addMenu(QStringLiteral("&Правка"));
    mnuedit->setObjectName("mnuedit");
    QMenu *help = menuBar()->addMenu(QStringLiteral("Сп&равка"));
    help->setObjectName("mnus");
    commands_ = platform::buildCommands(this, kCommands, {menu, mnuedit, help}, centralWidget(),
                                        kButtonSize);
    mnuchess = commands_.action("chess");
    mnutable = commands_.action("table");
    mnurename = commands_.action("rename");
    mnuclear = commands_.action("clear");
    document::followUndoStack(document_->undoStack(), commands_.action("undo"),
                              commands_.action("redo"));
}

void frmtable::MS_Click() {
    const int row = MS->currentRow();
    const int column = MS->currentColumn();
    if (column == kNameColumn && row >= 1 && row <= kTeams) {
        const auto answer = platform::message(
            this, QStringLiteral("Вы хотите переименовать ") + league().teamNames[row], kTitle,
            platform::Buttons::YesNo, platform::Icon::Information);
        if (answer == platform::Answer::Yes)
            renameTeam(row);
        return;
    }
    const int r = row;
    const int c = column - 1;
    if (!isScoreCell(r, c))
        return;
    // A dismissed prompt, like an answer without a blank, leaves the pair as it is.
    const std::optional<QString> answer =
        platform::input(this,
                        QStringLiteral("Введите счет между:  ") + league().teamNames[r] + "  " +
                            league().teamNames[c],
                        kTitle, QStringLiteral("0 0"));
    if (answer)
        document_->enterScore(kHalf, r, c, *answer);
}

void frmtable::renameTeam(int team) {
    document::renameTeam(this, *document_, team);
}

void frmtable::setCrossTableCommandsEnabled(bool enabled) {
    for (QAction *command : {mnutable, mnurename, mnuclear})
        command->setEnabled(enabled);
    mnuchess->setEnabled(!enabled);
}

void frmtable::prochess() {
    MSF->hide();
    setCrossTableCommandsEnabled(true);
    MS->show();
}

void frmtable::protable() {
    document_->orderBy(byPoints());
    MS->hide();
    setCrossTableCommandsEnabled(false);
    fillResultsTable();
    MSF->show();
}

void frmtable::fillResultsTable() {
    BatchUpdate batch(MSF);
    for (int position = 1; position <= kTeams; ++position) {
        const int team = league().standingsOrder[position];
        setCellText(MSF, position, kNameColumn, league().teamNames[team]);
        const auto values = inScreenOrder(league().crossTables[kHalf].stats[team]);
        for (int i = 0; i < kCounterCount; ++i)
            setCellText(MSF, position, kResultsFirstCounterColumn + i,
                        soccer::statisticText(values[i]));
    }
}

void frmtable::prosave() {
    saveLeagueFiles();
}

document::SaveOutcome frmtable::saveLeagueFiles() {
    if (readOnly_) {
        platform::message(this, commands_.action("save")->toolTip(), kTitle, platform::Buttons::Ok,
                          platform::Icon::Information);
        return document::SaveOutcome::Failed;
    }
    if (platform::message(this, QStringLiteral("Сохранить?"), kTitle, platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return document::SaveOutcome::Declined;
    try {
        document_->save([this](const soccer::League &saved) { saveLeague(saved, folder_); });
        filesAsKnown_ = dataFilesAsTheyLie(folder_);
    } catch (const DataFileError &error) {
        reportSaveFailure(error);
        return document::SaveOutcome::Failed;
    }
    std::vector<int> teams;
    for (int team = 1; team <= kTeams; ++team)
        teams.push_back(team);
    showNames(teams);
    platform::message(this, QStringLiteral("Сохранено"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
    return document::SaveOutcome::Saved;
}

// The three files are saved as one, so the message can say what is on the disk now.
void frmtable::reportSaveFailure(const DataFileError &error) {
    const QString onDisk =
        error.savedFilesUnchanged()
            ? QStringLiteral("Сохранение отменено: файлы komand.dat, s.dat и file.dat на диске "
                             "остались прежними.")
            : QStringLiteral("Сохранение прервано: файлы komand.dat, s.dat и file.dat на диске, "
                             "возможно, записаны не все.");
    platform::message(
        this,
        QStringLiteral("Не удаётся сохранить файл %1: %2.\n")
                .arg(error.fileName(), platform::failureReason(error.number(), error.reason())) +
            onDisk,
        kTitle, platform::Buttons::Ok, platform::Icon::Critical);
}

void frmtable::proclear() {
    if (platform::message(this, QStringLiteral("Вы хотите очистить всю таблицу?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return;
    document_->clearResults();
    platform::message(this, QStringLiteral("ОК"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
}

// The whole sequence is one step of the undo stack; each name shows as it is typed.
void frmtable::prorename() {
    if (platform::message(this, QStringLiteral("Вы хотите переименовать команды?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) == platform::Answer::No)
        return;
    std::vector<QString> names(league().teamNames.begin(), league().teamNames.begin() + kTeams + 1);
    for (int team = 1; team <= kTeams; ++team) {
        // A dismissed prompt keeps that team's name, and the sequence goes on with the next team.
        const std::optional<QString> renamed = platform::askTeamName(
            this, QStringLiteral("Введите имя  %1 команды").arg(team), names[std::size_t(team)]);
        if (renamed)
            names[std::size_t(team)] = *renamed;
        setCellText(MS, team, kNameColumn, names[std::size_t(team)]);
    }
    document_->renameAll(names);
}

// A results table on show is ranked again after the step, as when it was asked for.
void frmtable::proundo() {
    document_->undoStack()->undo();
    if (MSF->isVisible())
        protable();
}

void frmtable::proredo() {
    document_->undoStack()->redo();
    if (MSF->isVisible())
        protable();
}

void frmtable::proexit() {
    if (!confirmExit())
        return;
    giveUpLeague();
    platform::endProgram(0);
}

bool frmtable::confirmExit() {
    return document::confirmExit(this, kTitle, document_->isModified(),
                                 [this] { return saveLeagueFiles(); });
}

// Closing the window with changes not saved asks as Выход does; without changes it closes
// as it always has.
void frmtable::closeEvent(QCloseEvent *event) {
    if (loaded_ && document_->isModified() && !confirmExit()) {
        event->ignore();
        return;
    }
    if (loaded_)
        giveUpLeague();
    QMainWindow::closeEvent(event);
}

void frmtable::cmdhelp_Click() {
    platform::message(this, helpText(folder_), QStringLiteral("Помощь"), platform::Buttons::Ok,
                      platform::Icon::Information);
}

// The About box is not modal; a second click brings the open one to the front.
void frmtable::proabout() {
    if (!aboutBox_) {
        aboutBox_ = new frmAbout(this);
        aboutBox_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

} // namespace classic
