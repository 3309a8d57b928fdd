#pragma once

// What the tests of leaving a table with unsaved changes share: the questions' texts, a main
// window with or without an unsaved result, the two ways of leaving, and the messages asked.
#include "tst_kit_mainwindow.h"

#include <QPointer>

namespace testkit {

inline const QString kQuit = QStringLiteral("Вы действительно хотите выйти?");
inline const QString kSaveChanges = QStringLiteral("Сохранить изменения в таблице?");
inline const QString kSave = QStringLiteral("Сохранить?");
inline const QString kSaved = QStringLiteral("Сохранено");
inline const QString kOverwrite =
    QStringLiteral("Файл таблицы изменён другой программой. Записать поверх?");

inline void enterScore(Sandbox &sandbox, frmtable *window, int row, int column,
                       const QString &answer) {
    sandbox.prompter.queueInput(answer);
    grid(window, "MS")->setCurrentCell(row, column);
    window->MS_Click();
}

// The main window on a table of four named teams, with one result entered unless `unsaved`
// is false; the prompter has forgotten the questions of the entry.
inline frmtable *openTable(Sandbox &sandbox, bool unsaved, QString *path = nullptr,
                           const QString &name = QStringLiteral("t.TFL")) {
    const QString table = sandbox.table(name, *namedLeague({"Альфа", "Бета", "Вега", "Гамма"}));
    if (path)
        *path = table;
    frmtable *window = sandbox.open(table);
    if (unsaved)
        enterScore(sandbox, window, 1, 3, QStringLiteral("2 1"));
    sandbox.prompter.clear();
    return window;
}

// How the user leaves: the Exit button, or the window's frame (close() is what the window
// manager's close button comes to).
enum class Way { Exit, Frame };

inline void leave(frmtable *window, Way way) {
    if (way == Way::Exit)
        QTest::mouseClick(control<QToolButton>(window, "cmdexit"), Qt::LeftButton);
    else
        window->close();
}

// Whether the program was let go: Exit ends it, a frame close lets the window close.
inline bool left(Sandbox &sandbox, const QPointer<frmtable> &window, Way way) {
    if (way == Way::Exit)
        return sandbox.prompter.ended();
    return window.isNull() || !window->isVisible();
}

inline std::unique_ptr<soccer::League> readBack(const QString &path) {
    auto league = std::make_unique<soccer::League>();
    soccer::readTableFile(path, *league);
    return league;
}

inline QStringList messageTexts(const platform::ScriptedPrompter &prompter) {
    QStringList texts;
    for (const platform::ScriptedPrompter::Asked &asked : prompter.asked())
        if (asked.kind == platform::ScriptedPrompter::Kind::Message)
            texts << asked.text;
    return texts;
}

} // namespace testkit

Q_DECLARE_METATYPE(testkit::Way)
