#pragma once

#include <QString>

// The messages of soccer's windows when a file cannot be read or written.
namespace platform {

// A whole number as the program prints it: a blank where a minus sign would stand (" 53").
QString printedNumber(int number);

// Why a file could not be read or written, in the user's words; a number without a reason of
// its own gets a general one.
QString failureReason(int errorNumber);

// "<what>\nФайл: <path>\nПричина: <reason> (ошибка № <number>)."
QString failureText(const QString &what, const QString &path, int errorNumber);

} // namespace platform
