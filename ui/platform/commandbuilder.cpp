#include "ui/platform/commandbuilder.h"

#include "ui/platform/look.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace platform {

QAction *CommandSet::action(const char *key) const {
    const QString name = QStringLiteral("mnu") + QLatin1String(key);
    for (QAction *action : actions_) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

QAction *CommandSet::add(const CommandLook &look, QWidget *window, const QList<QMenu *> &menus,
                         QWidget *buttonRow, int buttonSizeTwips) {
    const QString key = QLatin1String(look.key);
    auto *action = new QAction(QString::fromUtf8(look.caption), window);
    action->setObjectName(QStringLiteral("mnu") + key);
    QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(look.shortcut));
    keys.removeAll(QKeySequence()); // a command without a key has no shortcut at all
    action->setShortcuts(keys);
    if (look.toolTip)
        action->setToolTip(QString::fromUtf8(look.toolTip));
    QMenu *menu = menus.at(look.menu);
    if (look.separatorBefore)
        menu->addSeparator();
    menu->addAction(action);
    actions_.append(action);
    if (!look.icon)
        return action;

    auto *button = new QToolButton(buttonRow);
    button->setObjectName(QStringLiteral("cmd") + key);
    action->setIcon(commandIcon(QLatin1String(look.icon)));
    // The menu item keeps its plain caption; only the button shows the picture.
    action->setIconVisibleInMenu(false);
    button->setDefaultAction(action);
    // A picture says nothing to a screen reader: the button is named by its tool tip (or, for
    // a command without one, by its menu caption).
    button->setAccessibleName(action->toolTip());
    button->setGeometry(twipsToPixelsX(look.buttonLeft), 0, twipsToPixelsX(buttonSizeTwips),
                        twipsToPixelsY(buttonSizeTwips));
    button->setIconSize(button->size() * 3 / 4);
    buttons_.append(button);
    return action;
}

} // namespace platform
