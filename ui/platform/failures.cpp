#include "ui/platform/failures.h"

#include "core/errors.h"

namespace platform {

QString printedNumber(int number) {
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number);
}

QString failureReason(int errorNumber) {
    switch (errorNumber) {
    case soccer::ErrSubscriptOutOfRange:
        return QStringLiteral("число команд в файле не от 1 до 99");
    case soccer::ErrTypeMismatch:
        return QStringLiteral("в файле стоит текст там, где должно быть число");
    case soccer::ErrBadFileName:
        return QStringLiteral("недопустимое имя файла");
    case soccer::ErrFileNotFound:
        return QStringLiteral("файл не найден");
    case soccer::ErrDeviceIo:
        return QStringLiteral("ошибка устройства");
    case soccer::ErrDiskFull:
        return QStringLiteral("диск переполнен");
    case soccer::ErrInputPastEnd:
        return QStringLiteral("файл кончается раньше, чем таблица");
    case soccer::ErrPermissionDenied:
        return QStringLiteral("нет доступа к файлу");
    case soccer::ErrPathAccess:
        return QStringLiteral("по этому пути нельзя записать или прочитать файл");
    case soccer::ErrPathNotFound:
        return QStringLiteral("папка не найдена");
    default:
        return QStringLiteral("ошибка при работе с файлом");
    }
}

QString failureText(const QString &what, const QString &path, int errorNumber) {
    return QStringLiteral("%1\nФайл: %2\nПричина: %3 (ошибка №%4).")
        .arg(what, path, failureReason(errorNumber), printedNumber(errorNumber));
}

} // namespace platform
