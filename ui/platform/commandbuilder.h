#pragma once

#include <QAction>
#include <QList>
#include <QObject>
#include <cstddef>

class QMenu;
class QToolButton;
class QWidget;

// Both programs' commands as one table each: every command is one QAction, its menu item and,
// when it has a picture, its button (QToolButton::setDefaultAction), so enabling the action
// enables both. Controls are named "mnu" + key and "cmd" + key.
namespace platform {

// How one command looks in the menu and on its button.
struct CommandLook {
    const char *key;
    const char *icon; // a commandIcon name; nullptr: the command has no button
    int buttonLeft;   // twips from the left of the button row
    const char *toolTip;
    const char *caption; // of the menu item, with its & accelerator
    // One key sequence, or several separated by "; ": "Ctrl+Y; Ctrl+Shift+Z".
    const char *shortcut;
    int menu; // index into the menus handed to the builder
    bool separatorBefore;
};

// A row of a window's command table: the look and the procedure the command runs.
template <class Window> struct Command {
    CommandLook look;
    void (Window::*run)();
};

class CommandSet {
  public:
    // The command's action; nullptr for a key the table does not hold.
    QAction *action(const char *key) const;
    const QList<QAction *> &actions() const { return actions_; }
    const QList<QToolButton *> &buttons() const { return buttons_; }

    // Makes the action of `look` (a child of `window`), its item in its menu and its button in
    // `buttonRow`, square with the given side in twips.
    QAction *add(const CommandLook &look, QWidget *window, const QList<QMenu *> &menus,
                 QWidget *buttonRow, int buttonSizeTwips);

  private:
    QList<QAction *> actions_;
    QList<QToolButton *> buttons_;
};

// Builds every command of `table` in its order and routes each to its procedure.
template <class Window, std::size_t N>
CommandSet buildCommands(Window *window, const Command<Window> (&table)[N],
                         const QList<QMenu *> &menus, QWidget *buttonRow, int buttonSizeTwips) {
    CommandSet commands;
    for (const Command<Window> &command : table) {
        QAction *action = commands.add(command.look, window, menus, buttonRow, buttonSizeTwips);
        QObject::connect(action, &QAction::triggered, window, command.run);
    }
    return commands;
}

} // namespace platform
