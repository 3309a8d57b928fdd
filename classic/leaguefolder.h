#pragma once

#include <QDir>
#include <QString>

// Where the classic edition keeps its league: the folder of soccer::classicDataFolder().
namespace classic {

// The league's folder, ready to be read. An installed program starts in the user's own folder,
// which its first start makes and fills with the delivered fresh league; a program folder of
// the user's own reads the current folder as it always has, and is given nothing.
QDir leagueFolder();

// Copies the three data files from `delivered` into `folder` (made when missing) when `folder`
// holds none of them yet, and lets the user write the copies. A folder holding some of them is
// the user's league, whatever its state, and is left as it is; a copy that fails shows up as
// the missing file when the league is read.
void provideFreshLeague(const QString &folder, const QString &delivered);

} // namespace classic
