#include "core/errors.h"

namespace soccer {

QString errorReason(int number) {
    switch (number) {
    case ErrSubscriptOutOfRange:
        return QStringLiteral("число команд в файле не от 1 до 99");
    case ErrTypeMismatch:
        return QStringLiteral("в файле стоит текст там, где должно быть число");
    case ErrBadFileName:
        return QStringLiteral("недопустимое имя файла");
    case ErrFileNotFound:
        return QStringLiteral("файл не найден");
    case ErrDeviceIo:
        return QStringLiteral("ошибка устройства");
    case ErrDiskFull:
        return QStringLiteral("диск переполнен");
    case ErrInputPastEnd:
        return QStringLiteral("в файле не хватает данных");
    case ErrPermissionDenied:
        return QStringLiteral("нет доступа к файлу");
    case ErrPathAccess:
        return QStringLiteral("по этому пути нельзя записать или прочитать файл");
    case ErrPathNotFound:
        return QStringLiteral("папка не найдена");
    default:
        return {};
    }
}

namespace {

std::string describe(int number, const QString &detail) {
    QString text = QStringLiteral("Ошибка № %1").arg(number);
    const QString reason = errorReason(number);
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason.front().toUpper() + reason.mid(1);
    if (!detail.isEmpty())
        text += QStringLiteral(" (") + detail + QLatin1Char(')');
    return text.toStdString();
}

} // namespace

CoreError::CoreError(int number, const QString &detail)
    : std::runtime_error(describe(number, detail)), number_(number), detail_(detail) {}

} // namespace soccer
