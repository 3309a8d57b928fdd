#pragma once

#include <QStringList>
#include <functional>

class QCoreApplication;
class QCommandLineParser;

namespace platform {

// What a program adds to the parser of its own before -h/--help and -v/--version.
using OwnArguments = std::function<void(QCommandLineParser &)>;

// Answers -h/--help and -v/--version before anything touches the window system, so that they
// print their text and end the program (exit 0) without a display, over SSH or from a script.
// A QCoreApplication of its own lives only while the line is read; the program's name and
// version are set before. Returns when neither is asked for; other options, and mistakes in
// them, are left to processCommandLine.
void answerHelpOrVersion(int &argc, char **argv, const OwnArguments &addOwn = {});

// The options both programs take, in Russian: -h/--help and -v/--version. Adds them to
// `parser` (after what `addOwn` adds), reads the command line, tells of an unknown option,
// and for either of them prints its text and ends the program before any window opens.
// Returns the positional arguments.
QStringList processCommandLine(const QCoreApplication &app, const OwnArguments &addOwn = {});

// Ends the program with one Russian line on stderr and exit status 1 when no window could be
// shown, instead of Qt's abort and core dump: no platform chosen (QT_QPA_PLATFORM or
// -platform) and no display to show a window on (DISPLAY or WAYLAND_DISPLAY).
void requireDisplay(int argc, char **argv);

} // namespace platform
