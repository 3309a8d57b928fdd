#include "core/files/codepage.h"

#include <QStringDecoder>
#include <array>
#include <cstring>

namespace soccer {

namespace {

constexpr char kCodePage[] = "windows-1251";
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// Code page 1251 exactly as Qt's codec defines it, asked once byte by byte, so that texts
// convert with one table lookup per character.
class CodePage {
  public:
    static const CodePage &instance() {
        static const CodePage page;
        return page;
    }

    // The character of a byte of 0x80 or more; 0 for a byte that stands for no character.
    char16_t toUnicode(unsigned char byte) const { return toUnicode_[byte]; }
    unsigned char fromUnicode(char16_t ch) const { return fromUnicode_[ch]; }

  private:
    CodePage() {
        for (int byte = 0x80; byte < 0x100; ++byte) {
            QStringDecoder decoder(kCodePage);
            const char raw = char(byte);
            const QString ch = decoder.decode(QByteArrayView(&raw, 1));
            if (decoder.hasError() || ch.size() != 1 || ch[0] == QChar::ReplacementCharacter)
                continue;
            toUnicode_[std::size_t(byte)] = ch[0].unicode();
            fromUnicode_[ch[0].unicode()] = static_cast<unsigned char>(byte);
        }
    }

    std::array<char16_t, 256> toUnicode_{};
    std::array<unsigned char, 0x10000> fromUnicode_{};
};

bool holdsOnlyAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (char byte : bytes)
        any |= static_cast<unsigned char>(byte);
    return any < 0x80;
}

} // namespace

bool fitsTableCodePage(const QString &text) {
    const CodePage &page = CodePage::instance();
    for (QChar ch : text) {
        if (ch.unicode() >= 0x80 && page.fromUnicode(ch.unicode()) == 0)
            return false;
    }
    return true;
}

unsigned char codePageByte(char16_t ch) {
    return CodePage::instance().fromUnicode(ch);
}

QString fromCodePage(QByteArrayView raw) {
    const CodePage &page = CodePage::instance();
    QString text(raw.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto byte = static_cast<unsigned char>(raw[i]);
        out[i] = byte < 0x80 ? char16_t(byte) : page.toUnicode(byte);
        if (out[i] == 0 && byte != 0) // a byte without a character: the codec decides
            return QStringDecoder(kCodePage).decode(raw);
    }
    return text;
}

TextCoding tableTextCoding(QByteArrayView bytes) {
    if (utf8MarkLength(bytes) > 0)
        return TextCoding::Utf8;
    if (holdsOnlyAscii(bytes) || !bytes.isValidUtf8())
        return TextCoding::CodePage1251;
    return TextCoding::Utf8;
}

qsizetype utf8MarkLength(QByteArrayView bytes) {
    return bytes.startsWith(kUtf8Mark) ? qsizetype(std::strlen(kUtf8Mark)) : 0;
}

} // namespace soccer
