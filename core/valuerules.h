#pragma once

#include "core/wholefile.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <QtGlobal>
#include <array>
#include <bit>
#include <cstring>

// Finding the end of a short text with one 8-byte look; the reader's hot path.
namespace soccer::textscan {

constexpr quint64 kOnes = 0x0101010101010101ULL;
constexpr quint64 kHighs = 0x8080808080808080ULL;

// The high bit set in every byte of `word` equal to `byte`; only the lowest mark is exact.
constexpr quint64 bytesEqual(quint64 word, unsigned char byte) {
    const quint64 x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighs;
}

// A text of at most seven bytes: its length (-1 when the text is longer or fewer than 8 bytes
// are left to look at) and, when it is ASCII, its bytes and length in one key.
struct ShortField {
    qsizetype length = -1;
    quint64 key = 0;
};

inline ShortField shortFieldAt(const char *data, qsizetype available) {
    ShortField field;
    if (available < 8)
        return field;
    quint64 word = 0;
    std::memcpy(&word, data, sizeof word);
    word = qFromLittleEndian(word);
    const quint64 ends = bytesEqual(word, ',') | bytesEqual(word, '\r') | bytesEqual(word, '\n');
    if (ends == 0)
        return field;
    field.length = std::countr_zero(ends) / 8;
    const quint64 bytes = field.length == 0 ? 0 : word & (~0ULL >> (64 - 8 * field.length));
    if ((bytes & kHighs) == 0 && field.length > 0)
        field.key = (bytes << 8) | quint64(field.length);
    return field;
}

} // namespace soccer::textscan

// The value rules of the program's plain-text files (table files, option.dat and the
// fixed-league edition's data files): numbers in their print form, texts unquoted, lines
// ended by CR LF, bytes in Windows Cyrillic (code page 1251).
namespace soccer {

// Print form of a number: a blank (or the minus sign), the shortest decimal text with a full
// stop whatever the locale, and a trailing blank: ' 0 ', ' 12 ', '-1 ', ' .5 '.
QString printNumber(double value);

// Reads values one by one with the list-input rules:
// - a number: blanks before it are skipped; it ends at a blank, a comma or the line end;
//   blanks and one comma after it are consumed, and so is a line end that ends it;
// - a text: blanks before it are skipped; it runs to the end of the line (consumed), or to a
//   comma; a text that starts with a double quote runs to the next double quote;
// - an empty line is an empty text.
// Line ends are CR LF; a lone LF or CR is taken as a line end too.
// Failures are CoreError: 62 past the end of the input, 13 a number field that is not a number.
// An empty number field (a comma or the line end at once) reads 0; a number too large for a
// double reads as infinite. Blanks are spaces and tabs; a text keeps its trailing blanks.
// How the bytes of texts stand for characters: code page 1251 as the program writes them, or
// UTF-8 as some other programs write tables.
enum class TextCoding { CodePage1251, Utf8 };

// The coding of a table file's bytes: UTF-8 when they start with the UTF-8 byte-order mark, or
// when they are valid UTF-8 and hold bytes above 127 (text in code page 1251 with Cyrillic
// letters practically never is); code page 1251 otherwise.
TextCoding tableTextCoding(QByteArrayView bytes);

class ListReader {
  public:
    // In UTF-8 a byte-order mark at the start is skipped.
    explicit ListReader(QByteArray bytes, TextCoding coding = TextCoding::CodePage1251);

    double readNumber();
    QString readText();
    void skipText(); // reads a text like readText but keeps nothing

    // Where a text value lies in the input: readTextSpan reads it like readText, and text()
    // builds it later, so that a caller can read a whole file before keeping anything.
    struct TextSpan {
        qsizetype start = 0;
        qsizetype length = 0;
        quint64 shortKey = 0; // a short ASCII text's bytes and length when known, else 0
    };
    // The hot path of reading a table, inline and free of calls: one 8-byte look finds the
    // end of a short text, and the line end is consumed on the spot.
    Q_ALWAYS_INLINE TextSpan readTextSpan() {
        const char *data = bytes_.constData();
        const qsizetype size = bytes_.size();
        qsizetype pos = pos_;
        while (pos < size && (data[pos] == ' ' || data[pos] == '\t'))
            ++pos;
        pos_ = pos;
        if (pos >= size || data[pos] == '"')
            return readUnusualSpan();
        const textscan::ShortField field = textscan::shortFieldAt(data + pos, size - pos);
        const qsizetype start = pos;
        if (field.length >= 0) {
            pos += field.length;
        } else {
            while (pos < size && data[pos] != ',' && data[pos] != '\r' && data[pos] != '\n')
                ++pos;
        }
        pos_ = pos;
        endTextField();
        return {start, pos - start, field.key};
    }
    QString text(const TextSpan &span) {
        if (span.shortKey != 0)
            return shortText(span.shortKey);
        return decode(QByteArrayView(bytes_.constData() + span.start, span.length));
    }
    // The text of a TextSpan::shortKey, which holds the text's bytes itself.
    QString shortText(quint64 key) {
        const InternedText &cached = interned_[internSlot(key)];
        return cached.key == key ? cached.text : uncachedShortText(key);
    }
    // Skips what is left of the current line and its line end, unless the last value read
    // already ended at the line end.
    void skipRestOfLine();
    bool atEnd() const { return pos_ >= bytes_.size(); }

  private:
    char current() const { return bytes_.constData()[pos_]; }
    void skipBlanks();
    bool atLineEnd() const;
    void consumeLineEnd();
    void endField(); // consumes the comma or the line end that ends a value
    TextSpan readQuotedSpan();
    TextSpan readUnusualSpan(); // at the end of the input or at a quote
    QString decode(QByteArrayView raw);
    QString decodeNonAscii(QByteArrayView raw);
    QString decodeCodePage(QByteArrayView raw);
    // The comma or line end that ends a text, consumed without further calls.
    void endTextField() {
        const char *data = bytes_.constData();
        const qsizetype size = bytes_.size();
        if (pos_ >= size) {
            lineEnded_ = true;
        } else if (data[pos_] == ',') {
            ++pos_;
            lineEnded_ = false;
        } else {
            pos_ += (data[pos_] == '\r' && pos_ + 1 < size && data[pos_ + 1] == '\n') ? 2 : 1;
            lineEnded_ = true;
        }
    }
    static std::size_t internSlot(quint64 key) {
        return std::size_t((key * 0x9E3779B97F4A7C15ULL) >> 40) & (kInternSlots - 1);
    }
    QString internedAscii(quint64 key, QByteArrayView raw);
    QString uncachedShortText(quint64 key);
    [[noreturn]] void fail(int number, const QString &what) const;

    // Short texts such as ' 2: 1' repeat thousands of times in a table: they share one copy.
    struct InternedText {
        quint64 key = 0;
        QString text;
    };

    QByteArray bytes_;
    qsizetype pos_ = 0;
    bool lineEnded_ = false;
    TextCoding coding_;
    QStringDecoder decoder_;
    static constexpr std::size_t kInternSlots = 256;
    std::array<InternedText, kInternSlots> interned_;
};

// A short ASCII text such as a score text, shared for the whole run with every other copy of
// it: thousands of equal cells then cost one copy and stay together in memory.
QString sharedAsciiText(QByteArrayView ascii);

// Whether every character of the text has a byte in code page 1251.
bool fitsTableCodePage(const QString &text);

// Builds the bytes of a file line by line with the print rules.
class LineWriter {
  public:
    LineWriter();

    void writeNumber(double value);  // print form, no line end
    void writeBareNumber(int value); // digits only, as the new-table dialog writes a count
    void endLine();                  // CR LF
    // Unchanged and without quotes, except what would break the file apart when read back: a
    // line break becomes a blank, a comma a semicolon, a leading double quote an apostrophe,
    // a character outside code page 1251 a question mark. The name prompts refuse such texts
    // (tableTextProblem), so ordinary texts are written byte for byte.
    void writeText(const QString &text);
    void writeTextLine(const QString &text) {
        writeText(text);
        endLine();
    }
    void reserve(qsizetype bytes) { bytes_.reserve(bytes); }
    const QByteArray &bytes() const {
        bytes_.resize(used_);
        return bytes_;
    }

  private:
    // The next `length` bytes of the output, to be filled.
    char *room(qsizetype length) {
        if (used_ + length > bytes_.size())
            grow(used_ + length);
        char *out = bytes_.data() + used_;
        used_ += length;
        return out;
    }
    void grow(qsizetype needed);
    void appendAscii(const char *text, qsizetype length);
    bool appendPlainAscii(const QString &text);
    void appendEncoded(const QString &text);

    // Grows in large steps and is cut to the bytes written when they are asked for.
    mutable QByteArray bytes_;
    qsizetype used_ = 0;
};

} // namespace soccer
