#include "ui/platform/failures.h"

#include "core/errors.h"
#include "ui/platform/prompts.h"

namespace platform {

QString printedNumber(int number) {
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number);
}

QString failureReason(int errorNumber) {
    const QString reason = soccer::errorReason(errorNumber);
    return reason.isEmpty() ? QStringLiteral("ошибка при работе с файлом") : reason;
}

QString failureText(const QString &what, const QString &path, int errorNumber) {
    return QStringLiteral("%1\nФайл: %2\nПричина: %3 (ошибка №%4).")
        .arg(what, path, failureReason(errorNumber), printedNumber(errorNumber));
}

void endWithError(QWidget *parent, int errorNumber) {
    message(parent, QStringLiteral("Программа завершена"),
            QStringLiteral("Ошибка № ") + printedNumber(errorNumber), Buttons::Ok, Icon::Critical);
    endProgram(1);
}

} // namespace platform
