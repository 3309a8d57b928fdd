#pragma once

#include <QString>

class QWidget;

// The messages of both programs and their dialogs when a file cannot be read or written, and
// the report that ends a program. The reasons themselves are core's (soccer::errorReason).
namespace platform {

// A whole number as the program prints it: a blank where a minus sign would stand (" 53").
QString printedNumber(int number);

// Why a file could not be read or written, in the user's words; a number without a reason of
// its own gets a general one.
QString failureReason(int errorNumber);

// "<what>\nФайл: <path>\nПричина: <reason> (ошибка № <number>)."
QString failureText(const QString &what, const QString &path, int errorNumber);

// Reports a failure the program cannot go on from: "Программа завершена" under the title
// "Ошибка № " and the printed number, with the critical icon; then ends the program.
void endWithError(QWidget *parent, int errorNumber);

} // namespace platform
