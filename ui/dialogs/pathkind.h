#pragma once

#include <QString>

// What a name chosen in a dialog leads to, found without opening it: opening a named pipe
// would wait for a writer, and a device may be read without end.
namespace pathkind {

// What stands at `path` when it is not a plain file, in the user's words: "это папка", "это
// именованный канал", "это устройство", "это сокет", or "ссылки образуют петлю"; empty for a
// plain file and for nothing at all.
QString describe(const QString &path);

// Why `path` is no table file to open: "<path> — это папка" and the like, or
// "Файл не найден:" and the path on the next line when nothing is there.
QString reasonItIsNoFile(const QString &path);

} // namespace pathkind
