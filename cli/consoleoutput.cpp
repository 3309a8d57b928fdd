#include "cli/consoleoutput.h"

#ifdef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace cli {

#ifdef Q_OS_WIN

ConsoleOutput::ConsoleOutput() : previousCodePage_(::GetConsoleOutputCP()) {
    // 0 when there is no console at all (started from a service, output redirected from a
    // program without one): nothing to set and nothing to give back.
    if (previousCodePage_ != 0)
        ::SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

ConsoleOutput::~ConsoleOutput() {
    if (previousCodePage_ != 0)
        ::SetConsoleOutputCP(previousCodePage_);
}

#else

ConsoleOutput::ConsoleOutput() = default;
ConsoleOutput::~ConsoleOutput() = default;

#endif

} // namespace cli
