#pragma once

#include <QString>

class QWidget;

namespace platform {

// Before a command writes a whole new file at a path the user chose: when a file is already
// there, asks "Файл <path> уже существует. Заменить его?" (Да, Нет). True when writing may go
// on: nothing is there, or the user answered Да. The question names the full path, since the
// dialog in which the user chose the folder has closed by the time it is asked.
bool confirmReplace(QWidget *parent, const QString &path);

} // namespace platform
