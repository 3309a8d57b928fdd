#pragma once

#include "core/import/importplan.h"

#include <QString>

namespace cli {

// What `soccer-cli import` is asked to do.
struct ImportRequest {
    QString tablePath;
    QString resultsPath;
    QString outputPath;   // where the table is written; empty: over the table itself
    int newTeamCount = 0; // --new N: a new table of N teams named from the file; 0: none
    bool rename = false;  // --rename: the table's teams named from the file
    bool skipBad = false; // --skip-bad: enter the usable lines even when others are refused
    soccer::ConflictChoice conflicts = soccer::ConflictChoice::KeepTable;
};

// What came of an import: the exit code, the report for the standard output and, when
// something went wrong, the message for the standard error.
struct ImportOutcome {
    int exitCode = 0;
    QString report;
    QString error;
};

// Imports the results file into the table as the window's import does after its preview: the
// same reading, plan and report, the results entered as score entries. The table is written
// (whole, replacing the file only when complete) only when the plan is usable and no line is
// refused, or with skipBad. A table that still has the names a new table gives its teams is
// named from the file when the counts agree, as the window offers; a table with names of its
// own only with `rename`. With newTeamCount the table file need not exist yet.
//
// Exit codes: Done; TableUnreadable for a table or results file that cannot be read or used,
// and for refused lines without skipBad; OutputNotWritten when the table cannot be written.
ImportOutcome importResults(const ImportRequest &request);

} // namespace cli
