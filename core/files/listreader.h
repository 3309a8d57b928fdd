#pragma once

#include "core/files/codepage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace soccer {

// Reads the values of the program's plain-text files (table files, option.dat and the
// fixed-league edition's data files) one by one with the list-input rules:
// - a number: blanks before it are skipped; it ends at a blank, a comma or the line end;
//   blanks and one comma after it are consumed, and so is a line end that ends it;
// - a text: blanks before it are skipped; it runs to the end of the line (consumed), or to a
//   comma; a text that starts with a double quote runs to the next double quote;
// - an empty line is an empty text.
// Line ends are CR LF; a lone LF or CR is taken as a line end too.
// Failures are CoreError: 62 past the end of the input, 13 a number field that is not a number.
// An empty number field (a comma or the line end at once) reads 0; a number too large for a
// double reads as infinite. Blanks are spaces and tabs; a text keeps its trailing blanks.
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
    };
    TextSpan readTextSpan();
    QString text(const TextSpan &span) const;

    // Skips what is left of the current line and its line end, unless the last value read
    // already ended at the line end.
    void skipRestOfLine();
    bool atEnd() const { return pos_ >= bytes_.size(); }
    // Every line that is left, whole and as written (blanks, commas and quotes are part of the
    // line), without its line end; none at the end of the input. A last line need not end.
    QStringList readLines();

  private:
    char current() const { return bytes_.constData()[pos_]; }
    void skipBlanks();
    bool atLineEnd() const;
    void consumeLineEnd();
    void endField(); // consumes the comma or the line end that ends a value
    TextSpan readQuotedSpan();
    QString decode(QByteArrayView raw) const;
    qsizetype lineNumberAt(qsizetype pos) const;
    [[noreturn]] void fail(int number, const QString &what) const;

    QByteArray bytes_;
    qsizetype pos_ = 0;
    bool lineEnded_ = false;
    TextCoding coding_;
};

} // namespace soccer
