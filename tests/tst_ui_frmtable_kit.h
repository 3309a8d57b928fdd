#pragma once

// What the main-window tests share: a program folder of their own with option.dat and table
// files written by the core library, a scripted prompter, the main window created as the
// dialogs create it, and the removal of every window a test left open.
#include "core/options.h"
#include "core/score.h"
#include "core/tablefile.h"
#include "ui/dialogs/frmopen.h"
#include "ui/main/frmtable.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace maintest {

inline void deleteAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A scripted prompter that can also look at the window while a prompt is open.
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

// A program folder of its own holding option.dat, and the main window on a table in it.
class Sandbox {
  public:
    explicit Sandbox(const soccer::ColorScheme &scheme = soccer::ColorScheme::standard()) {
        soccer::setProgramFolder(dir.path());
        soccer::writeOptionsFile(soccer::optionsFilePath(), scheme);
    }
    ~Sandbox() { deleteAllWindows(); }

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
        frmtable *window = frmtable::create();
        if (window && !QTest::qWaitFor([window] { return !window->refreshPending(); }))
            qFatal("the display refresh did not run");
        return window;
    }

    QTemporaryDir dir;
    WatchingPrompter prompter;
};

// A league of named teams with no results, built in memory.
inline std::unique_ptr<soccer::League> namedLeague(const QStringList &names) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = int(names.size());
    for (int t = 1; t <= league->teamCount; ++t)
        league->teamNames[t] = names[t - 1];
    return league;
}

template <class Control> Control *control(QObject *window, const char *name) {
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline TableGrid *grid(QObject *window, const char *name) {
    return control<TableGrid>(window, name);
}

// The texts of one grid column, rows 1..last.
inline QStringList column(TableGrid *grid, int column) {
    QStringList texts;
    for (int row = 1; row < grid->rowCount(); ++row)
        texts << grid->text(row, column);
    return texts;
}

// The seven statistics texts of one team's row in a cross-table grid.
inline QStringList statisticsRow(TableGrid *grid, int team) {
    const int n = grid->rowCount() - 1;
    QStringList texts;
    for (int column = n + 2; column <= n + 8; ++column)
        texts << grid->text(team, column);
    return texts;
}

inline QString oknoText(QObject *window) {
    return control<QLabel>(window, "okno")->text();
}

} // namespace maintest
