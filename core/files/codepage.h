#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>

// The code pages of the files: code page 1251 (Windows Cyrillic), in which the program reads
// and writes every text, and UTF-8, in which some other programs write tables.
namespace soccer {

// Whether every character of the text has a byte in code page 1251.
bool fitsTableCodePage(const QString &text);

// The byte of a character outside ASCII; 0 when the code page has none.
unsigned char codePageByte(char16_t ch);

// The text that bytes in code page 1251 stand for.
QString fromCodePage(QByteArrayView raw);

// The character of each of the 256 bytes.
const std::array<char16_t, 256> &codePageCharacters();

enum class TextCoding { CodePage1251, Utf8 };

// The coding of a table file's bytes: UTF-8 when they start with the UTF-8 byte-order mark, or
// when they are valid UTF-8 and hold bytes above 127 (text in code page 1251 with Cyrillic
// letters practically never is); code page 1251 otherwise.
TextCoding tableTextCoding(QByteArrayView bytes);

// The length of the UTF-8 byte-order mark at the start of `bytes`: 3, or 0 when there is none.
qsizetype utf8MarkLength(QByteArrayView bytes);

} // namespace soccer
