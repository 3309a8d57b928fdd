#pragma once

// What soccer-cli returns, for scripts to rely on.
namespace cli {

enum ExitCode : int {
    Done = 0,
    BadArguments = 1,
    TableUnreadable = 2,
    OutputNotWritten = 3,
};

} // namespace cli
