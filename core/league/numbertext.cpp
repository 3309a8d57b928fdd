#include "core/league/numbertext.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace soccer::numbertext {

namespace {

// Whole numbers below this print without an exponent and are exact in a double.
constexpr double kLargestPlainWhole = 1e15;
// Digits that a whole number may have and still be summed up exactly in a long long.
constexpr std::size_t kFastDigits = 15;

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool isExponentLetter(char ch) {
    return ch == 'E' || ch == 'e' || ch == 'D' || ch == 'd';
}

int digitValue(char ch, int base) {
    int value = -1;
    if (ch >= '0' && ch <= '9')
        value = ch - '0';
    else if (ch >= 'a' && ch <= 'f')
        value = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F')
        value = ch - 'A' + 10;
    return value < base ? value : -1;
}

std::size_t skipDigits(std::string_view text, std::size_t from) {
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

// &H1F or &O17: a whole number in base 16 or 8.
std::size_t leadingBasedNumber(std::string_view text, double &value) {
    if (text.size() < 3 || text[0] != '&')
        return 0;
    const char letter = text[1];
    const int base = (letter == 'H' || letter == 'h')   ? 16
                     : (letter == 'O' || letter == 'o') ? 8
                                                        : 0;
    if (base == 0)
        return 0;
    std::size_t end = 2;
    double sum = 0;
    for (int digit; end < text.size() && (digit = digitValue(text[end], base)) >= 0; ++end)
        sum = sum * base + digit;
    if (end == 2)
        return 0;
    value = sum;
    return end;
}

// strtod in the C locale, so that a full stop is the decimal point whatever the user has chosen.
#ifdef _WIN32
double cLocaleStrtod(const char *text) {
    static const _locale_t locale = _create_locale(LC_ALL, "C");
    return _strtod_l(text, nullptr, locale);
}
#else
double cLocaleStrtod(const char *text) {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text, nullptr, locale);
}
#endif

double wholeValue(std::string_view text) {
    const bool negative = text.front() == '-';
    long long sum = 0;
    for (char ch : text.substr(negative || text.front() == '+' ? 1 : 0))
        sum = sum * 10 + (ch - '0');
    return negative ? -double(sum) : double(sum);
}

// `text` is known to follow the number grammar; only the exponent letter D needs translating.
double decimalValue(std::string_view text) {
    std::string buffer(text);
    for (char &ch : buffer) {
        if (ch == 'D' || ch == 'd')
            ch = 'e';
    }
    return cLocaleStrtod(buffer.c_str());
}

} // namespace

int plain(double value, char *out) {
    if (std::isnan(value) || value == 0) {
        out[0] = '0';
        return 1;
    }
    if (std::isinf(value)) {
        // Only a file can bring an infinite value (a number too large for a double); it is
        // written as such a number again, so that it reads back the same.
        const char *text = value > 0 ? "1E+309" : "-1E+309";
        std::memcpy(out, text, std::strlen(text));
        return int(std::strlen(text));
    }
    if (value == std::trunc(value) && std::fabs(value) < kLargestPlainWhole)
        return int(std::to_chars(out, out + kCapacity, static_cast<long long>(value)).ptr - out);
    const char *end =
        std::to_chars(out, out + kCapacity, value, std::chars_format::general, 15).ptr;
    for (char *ch = out; ch != end; ++ch) {
        if (*ch == 'e')
            *ch = 'E';
    }
    return int(end - out);
}

int scoreForm(double value, char *out) {
    char text[kCapacity];
    int length = plain(value, text);
    const bool negative = text[0] == '-';
    const char *digits = text + (negative ? 1 : 0);
    length -= negative ? 1 : 0;
    if (length >= 2 && digits[0] == '0' && digits[1] == '.') {
        ++digits;
        --length;
    }
    out[0] = negative ? '-' : ' ';
    std::memcpy(out + 1, digits, std::size_t(length));
    return length + 1;
}

std::size_t leadingNumber(std::string_view text, double &value) {
    value = 0;
    if (!text.empty() && text[0] == '&')
        return leadingBasedNumber(text, value);
    std::size_t end = 0;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    const std::size_t signEnd = end;
    end = skipDigits(text, end);
    std::size_t digitCount = end - signEnd;
    const bool hasPoint = end < text.size() && text[end] == '.';
    if (hasPoint) {
        const std::size_t fractionStart = end + 1;
        end = skipDigits(text, fractionStart);
        digitCount += end - fractionStart;
    }
    if (digitCount == 0)
        return 0;
    bool hasExponent = false;
    if (end < text.size() && isExponentLetter(text[end])) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
            hasExponent = true;
        }
    }
    const std::string_view number = text.substr(0, end);
    value = (!hasPoint && !hasExponent && digitCount <= kFastDigits) ? wholeValue(number)
                                                                     : decimalValue(number);
    return end;
}

} // namespace soccer::numbertext
