#pragma once

// Runs a built program (soccer-cli, and soccer and soccer-classic where a display is not
// there) as a script would, without a display and with no platform named, so that the program
// has to manage without one itself.
#include "core/files/spelling.h"
#include "core/league/league.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

namespace clikit {

struct Run {
    int exitCode = -1; // -1 when the tool did not end normally
    QByteArray out;
    QString err;
};

inline Run runProgram(const QString &program, const QStringList &arguments,
                      const std::function<void(QProcess &)> &prepare = {}) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    if (prepare)
        prepare(process);
    process.start();
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

#ifdef SOCCER_CLI
inline Run runCli(const QStringList &arguments,
                  const std::function<void(QProcess &)> &prepare = {}) {
    return runProgram(QStringLiteral(SOCCER_CLI), arguments, prepare);
}
#endif

// Names as a table file can hold them: a name the code page lacks ("Bayern München") in its
// nearest storable spelling, as the program itself would offer it.
inline void spellStorably(soccer::League &league) {
    for (int t = 1; t <= league.teamCount; ++t)
        league.teamNames[t] = soccer::nearestStorableSpelling(league.teamNames[t]);
}

} // namespace clikit
