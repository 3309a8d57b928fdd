#pragma once

#include <QString>

// The start of soccer on a table named on its command line (`soccer FILE`, as a file manager
// runs it for a double-clicked table).
namespace starttable {

// Loads the table at `path` into the main window, as OK in the open-table dialog would. A
// table that cannot be loaded is reported with its error number and reason, and the open-table
// dialog follows, in the table's folder, instead of the end of the program.
void openAtStart(const QString &path);

} // namespace starttable
