#include "core/league/errors.h"

namespace soccer {

QString errorName(int number) {
    switch (number) {
    case ErrInvalidArgument:
        return QStringLiteral("Недопустимый вызов процедуры или аргумент");
    case ErrSubscriptOutOfRange:
        return QStringLiteral("Индекс вне допустимого диапазона");
    case ErrTypeMismatch:
        return QStringLiteral("Несоответствие типа");
    case ErrBadFileName:
        return QStringLiteral("Недопустимое имя файла");
    case ErrFileNotFound:
        return QStringLiteral("Файл не найден");
    case ErrDeviceIo:
        return QStringLiteral("Ошибка ввода-вывода устройства");
    case ErrDiskFull:
        return QStringLiteral("Диск заполнен");
    case ErrInputPastEnd:
        return QStringLiteral("Чтение за концом файла");
    case ErrPermissionDenied:
        return QStringLiteral("Отказано в доступе");
    case ErrPathAccess:
        return QStringLiteral("Ошибка доступа к пути или файлу");
    case ErrPathNotFound:
        return QStringLiteral("Путь не найден");
    default:
        return {};
    }
}

namespace {

std::string describe(int number, const QString &detail) {
    QString text = QStringLiteral("Ошибка № %1").arg(number);
    const QString name = errorName(number);
    if (!name.isEmpty())
        text += QStringLiteral(": ") + name;
    if (!detail.isEmpty())
        text += QStringLiteral(" (") + detail + QLatin1Char(')');
    return text.toStdString();
}

} // namespace

CoreError::CoreError(int number, const QString &detail, const QString &reason)
    : std::runtime_error(describe(number, detail)), number_(number), detail_(detail),
      reason_(reason) {}

} // namespace soccer
