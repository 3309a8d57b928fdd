#pragma once

#include <QString>

// Where the programs find what is delivered with them and keep what the user makes. A program
// folder of the user's own (the build/bin run, a copied folder) holds everything, as it always
// has; an installed program (bin/ beside share/soccer/, or a folder it may not write to) keeps
// the user's files in the user's folders, following the freedesktop base directories.
namespace soccer {

// The folder the program is delivered in. It is the folder of the executable unless set
// otherwise (tests use their own folder; an empty path restores the default).
QString programFolder();
void setProgramFolder(const QString &folder);

enum class Placement {
    Portable,  // the program folder is the user's: option.dat and new tables live in it
    Installed, // option.dat, tables and the classic league live in the user's folders
};
// Installed when `folder` cannot be written to or is the bin folder of an installation (a
// share/soccer folder beside it; on Windows, the folder of the installer's uninstall.exe),
// whoever runs it: root may write to /usr/bin but must not
// leave its colours there. `writable` is passed in so that tests can say what root cannot see.
Placement placementOf(const QString &folder, bool writable);
// The placement of programFolder().
Placement placement();

// The folder of the installed data: share/soccer beside the program's bin folder; on Windows
// the program's own folder.
QString dataFolder();
// A delivered file (help.html, primer.TFL, option.dat): beside the program when it lies there,
// else in dataFolder().
QString deliveredFile(const QString &name);

// option.dat with the user's colours: in the program folder, or installed
// $XDG_CONFIG_HOME/soccer/option.dat (~/.config when unset), which only the options dialog
// creates.
QString optionsFilePath();

// Where new tables are written: the program folder, or installed the folder "soccer" in the
// user's documents folder, made when it does not exist yet.
QString tablesFolder();
// Where the open-table dialog starts: the current folder, or installed tablesFolder().
QString tablesBrowseFolder();

// The folder of the classic edition's three files: the current folder, as it always was, or
// installed $XDG_DATA_HOME/soccer-classic (~/.local/share when unset).
QString classicDataFolder();
// The fresh league delivered with the classic edition, copied to classicDataFolder() on the
// first start of an installed program.
QString deliveredClassicFolder();

} // namespace soccer
