#include "core/files/linewriter.h"

#include "core/files/codepage.h"
#include "core/league/numbertext.h"

#include <algorithm>
#include <cstring>

namespace soccer {

QString printNumber(double value) {
    char text[numbertext::kCapacity];
    const int length = numbertext::scoreForm(value, text);
    return QString::fromLatin1(text, length) + QLatin1Char(' ');
}

LineWriter::LineWriter() = default;

void LineWriter::grow(qsizetype needed) {
    bytes_.resize(std::max(needed, 2 * bytes_.size() + 256));
}

void LineWriter::appendAscii(const char *text, qsizetype length) {
    std::memcpy(room(length), text, std::size_t(length));
}

void LineWriter::writeNumber(double value) {
    char text[numbertext::kCapacity + 1];
    const int length = numbertext::scoreForm(value, text);
    text[length] = ' ';
    appendAscii(text, length + 1);
}

void LineWriter::writeBareNumber(int value) {
    char text[numbertext::kCapacity];
    const int length = numbertext::plain(value, text);
    appendAscii(text, length);
}

void LineWriter::endLine() {
    appendAscii("\r\n", 2);
}

void LineWriter::writeText(const QString &text) {
    if (!appendPlainAscii(text))
        appendEncoded(text);
}

// The fast path of the usual texts: ASCII without the characters that need replacing. Writes
// nothing and answers false when the text needs the careful path.
bool LineWriter::appendPlainAscii(const QString &text) {
    const qsizetype length = text.size();
    const char16_t *chars = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype start = used_;
    char *out = room(length);
    bool leading = true;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t ch = chars[i];
        if (ch >= 0x80 || ch == u',' || ch == u'\r' || ch == u'\n' || (leading && ch == u'"')) {
            used_ = start;
            return false;
        }
        leading = leading && (ch == u' ' || ch == u'\t');
        out[i] = char(ch);
    }
    return true;
}

void LineWriter::writeWholeLine(const QString &line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t ch = line[i].unicode();
        char byte = '?';
        if (ch == u'\r' || ch == u'\n')
            byte = ' ';
        else if (ch < 0x80)
            byte = char(ch);
        else if (const unsigned char encoded = codePageByte(ch); encoded != 0)
            byte = char(encoded);
        else if (QChar::isHighSurrogate(ch) && i + 1 < line.size() && line[i + 1].isLowSurrogate())
            ++i;
        *room(1) = byte;
    }
    endLine();
}

void LineWriter::appendEncoded(const QString &text) {
    bool leading = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        char byte = '?';
        if (ch == u'\r' || ch == u'\n')
            byte = ' ';
        else if (ch == u',')
            byte = ';';
        else if (leading && ch == u'"')
            byte = '\'';
        else if (ch < 0x80)
            byte = char(ch);
        else if (const unsigned char encoded = codePageByte(ch); encoded != 0)
            byte = char(encoded);
        else if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one question mark for the whole character
        leading = leading && (byte == ' ' || byte == '\t');
        *room(1) = byte;
    }
}

} // namespace soccer
