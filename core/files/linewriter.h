#pragma once

#include <QByteArray>
#include <QString>

// Writing the program's plain-text files (table files, option.dat and the fixed-league
// edition's data files): numbers in their print form, texts unquoted, lines ended by CR LF,
// bytes in code page 1251.
namespace soccer {

// Print form of a number: a blank (or the minus sign), the shortest decimal text with a full
// stop whatever the locale, and a trailing blank: ' 0 ', ' 12 ', '-1 ', ' .5 '.
QString printNumber(double value);

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
    // A whole line read line by line, not as values: commas and quotes are written as they
    // are. Only a line break (a blank) and a character outside code page 1251 (a question
    // mark) are replaced.
    void writeWholeLine(const QString &line);
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
