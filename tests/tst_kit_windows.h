#pragma once

// What the tests of soccer's windows share: a program folder of their own with option.dat and
// table files written by the core library, a scripted prompter, the main window created as
// the dialogs create it, controls found by name, and the removal of every window a test left.
// The main window's grids have their own helpers in tst_kit_mainwindow.h.
#include "core/files/options.h"
#include "core/files/tablefile.h"
#include "core/files/tablelock.h"
#include "core/recovery/recoverycopy.h"
#include "tst_kit.h"
#include "ui/app/navigation.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"
#include "ui/platform/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

namespace testkit {

// Deleted directly rather than closed: closing the new-table dialog would open the window
// behind it.
inline void deleteAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class Control> Control *control(QObject *window, const char *name) {
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline void click(QWidget *window, const char *name) {
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

inline QColor backgroundOf(QWidget *widget) {
    return widget->palette().color(QPalette::Window);
}
inline QColor textColorOf(QWidget *widget) {
    return widget->palette().color(QPalette::WindowText);
}

// A scripted prompter that can also look at the windows while a prompt is open.
class WatchingPrompter : public platform::ScriptedPrompter {
  public:
    std::function<void()> onInput;

    std::optional<QString> input(QWidget *parent, const QString &text, const QString &title,
                                 const QString &defaultAnswer) override {
        if (onInput)
            onInput();
        return ScriptedPrompter::input(parent, text, title, defaultAnswer);
    }
};

// A program folder of its own holding option.dat with `scheme`, and table files in it.
class Sandbox {
  public:
    explicit Sandbox(const soccer::ColorScheme &scheme = soccer::ColorScheme::standard()) {
        soccer::setProgramFolder(dir.path());
        soccer::writeOptionsFile(soccer::optionsFilePath(), scheme);
        // Recovery copies and locks of the sandbox's own, never the user's.
        soccer::setRecoveryFolder(path(QStringLiteral("recovery")));
        soccer::setLockFolder(path(QStringLiteral("locks")));
    }
    ~Sandbox() {
        deleteAllWindows();
        soccer::setRecoveryFolder(QString());
        soccer::setLockFolder(QString());
    }

    QString path(const QString &name) const { return dir.path() + QStringLiteral("/") + name; }

    QString blankTable(const QString &name, int teamCount) const {
        soccer::writeBlankTable(path(name), teamCount);
        return path(name);
    }

    QString table(const QString &name, const soccer::League &league) const {
        soccer::writeTableFile(path(name), league);
        return path(name);
    }

    // Creates the main window as the dialogs do and waits for its first display refresh.
    frmtable *open(const QString &tablePath) {
        frmopen::pros() = tablePath;
        frmtable *window = navigation::tableChosen();
        if (window && !QTest::qWaitFor([window] { return !window->refreshPending(); }))
            qFatal("the display refresh did not run");
        return window;
    }

    QTemporaryDir dir;
    WatchingPrompter prompter;
};

// Colours that differ from the standard scheme and from one another.
inline soccer::ColorScheme unusualScheme() {
    return {{10, 20, 30}, {40, 50, 60}, {200, 210, 220}};
}

// A league of named teams with no results, built in memory.
inline std::unique_ptr<soccer::League> namedLeague(const QStringList &names) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = int(names.size());
    for (int t = 1; t <= league->teamCount; ++t)
        league->teamNames[t] = names[t - 1];
    return league;
}

} // namespace testkit
