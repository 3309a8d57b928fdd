#pragma once

#include <QString>
#include <stdexcept>

namespace soccer {

// Run-time error numbers, as the error report of the windows shows them.
enum ErrorNumber : int {
    ErrInvalidArgument = 5,     // a value that the file cannot hold, such as a name outside 1251
    ErrSubscriptOutOfRange = 9, // a count that does not fit the arrays
    ErrTypeMismatch = 13,       // a value that is not a number
    ErrBadFileName = 52,        // a path with wildcards or no name at all
    ErrFileNotFound = 53,
    ErrDeviceIo = 57,
    ErrDiskFull = 61,
    ErrInputPastEnd = 62, // the file ends before all values are read
    ErrPermissionDenied = 70,
    ErrPathAccess = 75,   // a path that exists but cannot be used as a file
    ErrPathNotFound = 76, // the folder of the path does not exist
};

// The short Russian name of an error number ("Файл не найден" for 53); empty when unknown.
QString errorName(int number);

// A failure of the league's files, carrying the error number that the user is shown.
// what() is a readable UTF-8 text: "Ошибка № 53: Файл не найден (c:/1.txt)".
// The reason, when there is one, says in the user's words what the number alone cannot:
// "диск переполнен", "это папка", "файл больше 16 МБ". Windows show it beside their own text.
class CoreError : public std::runtime_error {
  public:
    CoreError(int number, const QString &detail, const QString &reason = QString());

    int number() const { return number_; }
    QString detail() const { return detail_; }
    QString reason() const { return reason_; }

  private:
    int number_;
    QString detail_;
    QString reason_;
};

} // namespace soccer
