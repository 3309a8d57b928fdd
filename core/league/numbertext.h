#pragma once

#include <cstddef>
#include <string_view>

// The number texts of the program in plain characters, shared by the score texts, the
// statistics columns and the print form of the files. Never depends on the user's locale.
namespace soccer::numbertext {

// Enough for any text below: 15 digits, sign, point and exponent.
constexpr int kCapacity = 40;

// The shortest text of up to 15 significant digits with a full stop: "0.5", "-12", "1E+15".
// -0 and NaN give "0"; an infinite value gives "1E+309", which reads back as infinite.
// Returns the length written to `out`.
int plain(double value, char *out);

// The same number as a score text shows it: a blank before a number that is not negative and
// no zero before the point (" .5", "-.5", " 12").
int scoreForm(double value, char *out);

// The longest leading number of `text`: an optional sign, digits with at most one full stop
// and an optional exponent (E or D, optional sign, digits), or &H / &O with hexadecimal or
// octal digits. Returns how many characters it takes (0 when the text does not begin with a
// number) and stores its value, which is infinite when it is too large for a double.
std::size_t leadingNumber(std::string_view text, double &value);

} // namespace soccer::numbertext
