#pragma once

class QApplication;
class QCommandLineParser;

namespace platform {

// The options both programs take, in Russian: -h/--help and -v/--version. Adds them to
// `parser` (after whatever the program added of its own), reads the command line, and for
// either of them prints its text and ends the program before any window opens.
void processCommandLine(QCommandLineParser &parser, const QApplication &app);

} // namespace platform
