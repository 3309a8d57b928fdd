// The main window's command table: every command's button, menu item and procedure, in one
// place a reader sees at a glance.
#include "ui/main/frmtable.h"

#include "ui/main/mainlayout.h"

#include <QListView>
#include <QMenu>
#include <QMenuBar>

namespace {

// The menus in the order of the menu bar.
enum MenuOf : int { Main, Edit, Help };

// The buttons stand in a row at the given left edges (twips); the menu items follow the
// table's order.
// clang-format off
const platform::Command<frmtable> kCommands[] = {
//    key       icon      left  tool tip                  menu caption              keys                    menu  sep    runs
    {{"new",    "new",    0,    "Создать новую таблицу", "&Новый",                 "Ctrl+N",               Main, false}, &frmtable::mnunew_Click},
    {{"open",   "open",   600,  "Открыть таблицу",       "От&крыть файл",          "Ctrl+O",               Main, false}, &frmtable::cmdopen_Click},
    {{"save",   "save",   3600, "Сохранить",             "&Сохранить",             "Ctrl+S",               Main, false}, &frmtable::prosave},
    {{"saveas", nullptr,  0,    nullptr,                 "Сохранить &как",         "Ctrl+A",               Main, false}, &frmtable::mnusaveas_Click},
    {{"chess",  "chess1", 1200, "Шахматная таблица (1)", "Шахматная таблица (&1)", "Ctrl+C",               Main, true},  &frmtable::prochess},
    {{"chess1", "chess2", 1800, "Шахматная таблица (2)", "Шахматная таблица (&2)", "Ctrl+V",               Main, false}, &frmtable::prochess1},
    {{"table",  "table",  2400, "Таблица результатов",   "&Таблица результатов",   "Ctrl+T",               Main, false}, &frmtable::protable},
    {{"tours",  "tours",  7200, "Туры",                  "Ту&ры",                  "Ctrl+R",               Main, false}, &frmtable::protours},
    {{"chart",  nullptr,  0,    nullptr,                 "Гра&фик мест",           "Ctrl+G",               Main, false}, &frmtable::prochart},
    {{"calendar", "calendar", 7800, "Календарь",         "Кал&ендарь...",          "",                     Main, false}, &frmtable::procalendar},
    {{"rename", "rename", 3000, "Переименовать",         "&Переименовать",         "F2",                   Main, true},  &frmtable::prorename},
    {{"clear",  "clear",  4200, "Очистить",              "&Очистить",              "Ctrl+D",               Main, false}, &frmtable::proclear},
    {{"option", "option", 4800, "Опции",                 "Оп&ции",                 "Ctrl+P",               Main, true},  &frmtable::prooption},
    {{"rules",  nullptr,  0,    nullptr,                 "Правила т&урнира...",    "",                     Main, false}, &frmtable::prorules},
    {{"deduct", nullptr,  0,    nullptr,                 "Сн&ятие очков...",       "",                     Main, false}, &frmtable::prodeduct},
    {{"withdraw", nullptr, 0,   nullptr,                 "Ко&манда снялась...",    "",                     Main, false}, &frmtable::prowithdraw},
    {{"print",  nullptr,  0,    nullptr,                 "Пе&чать...",             "",                     Main, false}, &frmtable::proprint},
    {{"export", nullptr,  0,    nullptr,                 "&Экспорт...",            "",                     Main, false}, &frmtable::proexport},
    {{"import", nullptr,  0,    nullptr,                 "&Импорт результатов...", "",                     Main, false}, &frmtable::proimport},
    {{"exit",   "exit",   6600, "Выход",                 "&Выход",                 "Ctrl+E",               Main, true},  &frmtable::proexit},
    {{"undo",   nullptr,  0,    nullptr,                 "&Отменить",              "Ctrl+Z",               Edit, false}, &frmtable::proundo},
    {{"redo",   nullptr,  0,    nullptr,                 "&Повторить",             "Ctrl+Y; Ctrl+Shift+Z", Edit, false}, &frmtable::proredo},
    {{"help",   "help",   5400, "Помощь",                "По&мошь",                "Ctrl+H",               Help, false}, &frmtable::cmdhelp_Click},
    {{"about",  "about",  6000, "О программе",           "О про&грамме",           "Ctrl+I",               Help, true},  &frmtable::proabout},
};

// The actions on the match chosen in the round view, in its context menu and on its keys.
const platform::Command<frmtable> kRoundCommands[] = {
    {{"move",   nullptr,  0,    nullptr,                 "&Перенести матч...",     "F6",                   0,    false}, &frmtable::promove},
    {{"swap",   nullptr,  0,    nullptr,                 "Поменять &хозяев и гостей", "F7",                0,    false}, &frmtable::proswap},
};
// clang-format on

} // namespace

void frmtable::buildCommands() {
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Меню"));
    menu->setObjectName(QStringLiteral("menu"));
    QMenu *mnuedit = menuBar()->addMenu(QStringLiteral("&Правка"));
    mnuedit->setObjectName(QStringLiteral("mnuedit"));
    QMenu *mnus = menuBar()->addMenu(QStringLiteral("Сп&равка"));
    mnus->setObjectName(QStringLiteral("mnus"));
    commands_ = platform::buildCommands(this, kCommands, {menu, mnuedit, mnus}, centralWidget(),
                                        mainlayout::kButtonSize);
    mnuchess = commands_.action("chess");
    mnuchess1 = commands_.action("chess1");
    mnutable = commands_.action("table");
    mnurename = commands_.action("rename");
    mnuclear = commands_.action("clear");
    mnutours = commands_.action("tours");
    mnuchart = commands_.action("chart");
    followUndoStack();
}

// The round view's actions act on its list of matches, only while it has the keys.
void frmtable::buildRoundCommands(QListView *matches) {
    auto *mnutour = new QMenu(matches);
    mnutour->setObjectName(QStringLiteral("mnutour"));
    roundCommands_ = platform::buildCommands(this, kRoundCommands, {mnutour}, nullptr, 0);
    for (QAction *action : roundCommands_.actions()) {
        action->setShortcutContext(Qt::WidgetShortcut);
        matches->addAction(action);
    }
}
