#pragma once

#include <QString>

// What a name chosen in a dialog leads to, found without opening it: opening a named pipe
// would wait for a writer, and a device may be read without end.
namespace pathkind {

enum class Kind { Missing, File, Folder, Pipe, Device, Socket, LinkLoop };

Kind of(const QString &path);

// Why `path` is no table file, as the dialogs say it, e.g. "/home/a — это папка";
// "Файл не найден:" with the path for a name that leads nowhere.
QString reasonItIsNoFile(const QString &path, Kind kind);

} // namespace pathkind
