#pragma once

#include "core/league/league.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace soccer {

// Reads the table part of a League (count, cells, statistics, names, and what the section
// after the names keeps: the ranking rule and more) from the bytes of a table file, in code
// page 1251 or, as tableTextCoding finds, in UTF-8. On failure (CoreError) `into` is left
// exactly as it was. Returns the messages of the section: what it could not read and kept as
// it was, or dropped (tablesection.h); the table loads all the same.
QStringList parseTable(const QByteArray &bytes, League &into);
QStringList readTableFile(const QString &path, League &into);

// The bytes of a table file for teams 1..N; the count in print form (' 4 ').
QByteArray tableBytes(const League &league);
// Writes the table, always in code page 1251; on failure (CoreError) the old file is left
// intact. A name or cell that the code page cannot hold is refused (5) before anything is
// written.
void writeTableFile(const QString &path, const League &league);

// A table of N teams with no results, as the new-table dialog writes it: the count as bare
// digits, empty cells, zero statistics and the names ' 1' .. ' N'. N must be 1..99.
QByteArray blankTableBytes(int teamCount);
void writeBlankTable(const QString &path, int teamCount);

} // namespace soccer
