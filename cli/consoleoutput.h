#pragma once

// What soccer-cli writes is UTF-8, on every system. On Windows the console shows bytes in its
// output code page, so for as long as the program runs that page is UTF-8 (and the one the
// user had comes back at the end); standard output and error are binary, so that a table
// redirected into a file has the same bytes ("\n" line ends too) as on Linux. Elsewhere this
// does nothing.
#include <QtGlobal>

namespace cli {

class ConsoleOutput {
  public:
    ConsoleOutput();
    ConsoleOutput(const ConsoleOutput &) = delete;
    ConsoleOutput &operator=(const ConsoleOutput &) = delete;
    ~ConsoleOutput();

#ifdef Q_OS_WIN
  private:
    unsigned int previousCodePage_ = 0;
#endif
};

} // namespace cli
