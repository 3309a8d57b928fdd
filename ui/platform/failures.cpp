#include "ui/platform/failures.h"

#include "core/league/errors.h"
#include "ui/platform/prompts.h"

#include <QDir>

namespace platform {

QString printedNumber(int number) {
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number);
}

namespace {

QString reasonOfNumber(int errorNumber) {
    switch (errorNumber) {
    case soccer::ErrInvalidArgument:
        return QStringLiteral("в таблице есть знак, который нельзя сохранить в файле");
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
        return QStringLiteral("в файле не хватает данных");
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

} // namespace

QString failureReason(int errorNumber, const QString &reason) {
    return reason.isEmpty() ? reasonOfNumber(errorNumber) : reason;
}

QString failureReason(const soccer::CoreError &error) {
    return failureReason(error.number(), error.reason());
}

QString failureText(const QString &what, const QString &path, const soccer::CoreError &error) {
    return QStringLiteral("%1\nФайл: %2\nПричина: %3 (ошибка №%4).")
        .arg(what, QDir::toNativeSeparators(path), failureReason(error),
             printedNumber(error.number()));
}

void endWithError(QWidget *parent, int errorNumber) {
    message(parent, QStringLiteral("Программа завершена"),
            QStringLiteral("Ошибка № ") + printedNumber(errorNumber), Buttons::Ok, Icon::Critical);
    endProgram(1);
}

} // namespace platform
