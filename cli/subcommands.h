#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace cli {

// One subcommand of soccer-cli: `soccer-cli NAME ...`.
struct Subcommand {
    QString name;
    QString summary;  // one line of the general help
    QString synopsis; // the arguments after the name, for the general help
    // Whether the command with these arguments paints pages (a PDF), which needs the GUI
    // library and its fonts; none for a command that never paints.
    bool (*paints)(const QStringList &arguments);
    int (*run)(const QStringList &arguments); // the program's name first, then what follows NAME
};

// The arguments that a subcommand's run() receives: the program's name and the subcommand's,
// then what follows the subcommand's name.
QStringList subcommandArguments(const QStringList &commandLine);

// Every subcommand, in the order the help lists them.
const std::vector<Subcommand> &subcommands();
const Subcommand *findSubcommand(const QString &name);

// The whole command line, the program's name first: the general help, the version or one
// subcommand. Returns the exit code.
int runCommandLine(const QStringList &arguments);

} // namespace cli
