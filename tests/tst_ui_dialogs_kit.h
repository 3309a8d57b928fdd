#pragma once

// What the dialog tests share: a program folder of their own with a chosen option.dat, a
// scripted prompter, and the removal of every window a test left open.
#include "core/options.h"
#include "ui/platform/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

namespace dialogtest {

// Deleted directly rather than closed: closing the new-table dialog would open the window
// behind it.
inline void deleteAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        windows << window;
    }
    for (const QPointer<QWidget> &window : windows) {
        delete window.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a CR LF file, without the empty text after the last line end.
inline QList<QByteArray> fileLines(const QString &path) {
    QList<QByteArray> lines = fileBytes(path).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray &line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return lines;
}

template <class Control> Control *control(QWidget *window, const char *name) {
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s", name);
    }
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

// A program folder of its own, holding option.dat with `scheme`.
class Sandbox {
  public:
    explicit Sandbox(const soccer::ColorScheme &scheme = soccer::ColorScheme::standard()) {
        soccer::setProgramFolder(dir.path());
        soccer::writeOptionsFile(soccer::optionsFilePath(), scheme);
    }
    ~Sandbox() { deleteAllWindows(); }

    QString path(const QString &name) const { return dir.path() + QStringLiteral("/") + name; }

    QTemporaryDir dir;
    platform::ScriptedPrompter prompter;
};

// Colours that differ from the standard scheme and from one another.
inline soccer::ColorScheme unusualScheme() {
    return {{10, 20, 30}, {40, 50, 60}, {200, 210, 220}};
}

} // namespace dialogtest
