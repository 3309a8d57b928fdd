#pragma once

#include <QString>

class QWidget;
namespace soccer {
class CoreError;
}

// The messages of both programs and their dialogs when a file cannot be read or written, the
// one list of reasons they give for an error number, and the report that ends a program.
// (soccer::CoreError's own readable text, which soccer-cli prints, keeps core's short names.)
namespace platform {

// A whole number as the program prints it: a blank where a minus sign would stand (" 53").
QString printedNumber(int number);

// Why a file could not be read or written, in the user's words: the reason the failure brought
// along when it has one ("это папка", "файл больше 16 МБ"), else the reason of its number, else
// a general one.
QString failureReason(int errorNumber, const QString &reason = QString());
QString failureReason(const soccer::CoreError &error);

// "<what>\nФайл: <path>\nПричина: <reason> (ошибка № <number>)."
QString failureText(const QString &what, const QString &path, const soccer::CoreError &error);

// Reports a failure the program cannot go on from: "Программа завершена" under the title
// "Ошибка № " and the printed number, with the critical icon; then ends the program.
void endWithError(QWidget *parent, int errorNumber);

} // namespace platform
