#pragma once

#include <QByteArrayView>
#include <QString>

namespace soccer {

// How the bytes of a text file given to the program were found to be written.
enum class TextEncoding {
    Utf8,         // valid UTF-8 without a byte-order mark (plain ASCII included)
    Utf8WithMark, // UTF-8 after the byte-order mark EF BB BF
    Utf16Little,  // after the mark FF FE, as "Unicode text" exports save it
    Utf16Big,     // after the mark FE FF
    CodePage1251, // anything else: Windows Cyrillic, which has a character for almost every byte
};

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// A byte-order mark decides first and is dropped; bytes that are valid UTF-8 throughout are
// UTF-8 (a 1251 text with letters above 127 is practically never valid UTF-8); the rest is
// read as code page 1251.
DecodedText decodeText(QByteArrayView bytes);

// "UTF-8", "UTF-8 с меткой BOM", "UTF-16", "Windows-1251".
QString encodingName(TextEncoding encoding);

} // namespace soccer
