#pragma once

#include <QString>
#include <stdexcept>

namespace soccer {

// Run-time error numbers, as the error report of the windows shows them.
enum ErrorNumber : int {
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

// Why a file could not be read or written, in the user's words, for an error number
// ("файл не найден" for 53); empty for a number that has no reason of its own. The one list of
// reasons: the windows' messages and the readable text of CoreError both use it.
QString errorReason(int number);

// A failure of the league's files, carrying the error number that the user is shown.
// what() is a readable UTF-8 text: "Ошибка № 53: Файл не найден (c:/1.txt)".
class CoreError : public std::runtime_error {
  public:
    CoreError(int number, const QString &detail);

    int number() const { return number_; }
    QString detail() const { return detail_; }

  private:
    int number_;
    QString detail_;
};

} // namespace soccer
