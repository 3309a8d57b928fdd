#include "core/valuerules.h"

#include "core/errors.h"
#include "core/numbertext.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <mutex>
#include <string_view>
#include <unordered_map>

namespace soccer {

namespace {

constexpr char kCodePage[] = "windows-1251";

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}
bool isLineEnd(char ch) {
    return ch == '\r' || ch == '\n';
}
bool endsNumberField(char ch) {
    return isBlank(ch) || ch == ',' || isLineEnd(ch);
}
bool endsTextField(char ch) {
    return ch == ',' || isLineEnd(ch);
}

bool isAscii(QByteArrayView raw) {
    for (char ch : raw) {
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    }
    return true;
}

// Texts of up to seven bytes fit in one key together with their length.
constexpr qsizetype kInternedLength = 7;
constexpr std::size_t kInternProbes = 8;

using textscan::kHighs;

// The bytes of a short text and its length in one number; a byte of 0x80 or more shows in
// kHighs.
quint64 internKey(QByteArrayView raw) {
    quint64 key = quint64(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i)
        key |= quint64(static_cast<unsigned char>(raw[i])) << (8 * (i + 1));
    return key;
}

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
    // The byte of a character outside ASCII; 0 when the code page has none.
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

// Score texts repeat thousands of times in a table. Each distinct short text is kept once for
// the whole run and the cells view it without a reference count, so that filling a large
// table costs no more than copying pointers. The pool only grows, up to a fixed bound.
class ShortTextPool {
  public:
    static ShortTextPool &instance() {
        static ShortTextPool *const pool = new ShortTextPool; // lives as long as any cell text
        return *pool;
    }

    // A text viewing the pooled copy of `raw` (ASCII of at most kInternedLength bytes), or an
    // ordinary text once the pool is full.
    QString text(quint64 key, QByteArrayView raw) {
        std::lock_guard lock(mutex_);
        const auto found = index_.find(key);
        if (found != index_.end())
            return QString::fromRawData(found->second, raw.size());
        if (index_.size() >= kPoolTexts)
            return QString::fromLatin1(raw.data(), raw.size());
        char16_t *copy = storage_[index_.size()].data();
        for (qsizetype i = 0; i < raw.size(); ++i)
            copy[i] = char16_t(static_cast<unsigned char>(raw[i]));
        copy[raw.size()] = u'\0';
        const QChar *chars = reinterpret_cast<const QChar *>(copy);
        index_.emplace(key, chars);
        return QString::fromRawData(chars, raw.size());
    }

  private:
    static constexpr std::size_t kPoolTexts = 16384;

    std::mutex mutex_;
    std::unordered_map<quint64, const QChar *> index_;
    std::array<std::array<char16_t, kInternedLength + 1>, kPoolTexts> storage_;
};

} // namespace

QString printNumber(double value) {
    char text[numbertext::kCapacity];
    const int length = numbertext::scoreForm(value, text);
    return QString::fromLatin1(text, length) + QLatin1Char(' ');
}

// ---- ListReader ----

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// Eight bytes at a time: a table of 99 teams is looked through before it is read.
bool holdsOnlyAscii(QByteArrayView bytes) {
    quint64 any = 0;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 word = 0;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        any |= word;
    }
    for (; i < bytes.size(); ++i)
        any |= static_cast<unsigned char>(bytes[i]);
    return (any & kHighs) == 0;
}

} // namespace

TextCoding tableTextCoding(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8Mark))
        return TextCoding::Utf8;
    if (holdsOnlyAscii(bytes) || !bytes.isValidUtf8())
        return TextCoding::CodePage1251;
    return TextCoding::Utf8;
}

ListReader::ListReader(QByteArray bytes, TextCoding coding)
    : bytes_(std::move(bytes)), coding_(coding), decoder_(kCodePage) {
    if (coding_ == TextCoding::Utf8 && bytes_.startsWith(kUtf8Mark))
        pos_ = qsizetype(std::strlen(kUtf8Mark));
}

void ListReader::skipBlanks() {
    while (pos_ < bytes_.size() && isBlank(current()))
        ++pos_;
}

bool ListReader::atLineEnd() const {
    return pos_ < bytes_.size() && isLineEnd(current());
}

void ListReader::consumeLineEnd() {
    if (pos_ < bytes_.size() && current() == '\r')
        ++pos_;
    if (pos_ < bytes_.size() && current() == '\n')
        ++pos_;
    lineEnded_ = true;
}

void ListReader::endField() {
    if (atEnd()) {
        lineEnded_ = true;
    } else if (current() == ',') {
        ++pos_;
        lineEnded_ = false;
    } else if (atLineEnd()) {
        consumeLineEnd();
    } else {
        lineEnded_ = false;
    }
}

void ListReader::fail(int number, const QString &what) const {
    const qsizetype lineNumber = bytes_.left(pos_).count('\n') + 1;
    throw CoreError(number, QStringLiteral("строка %1: %2").arg(lineNumber).arg(what));
}

double ListReader::readNumber() {
    skipBlanks();
    if (atEnd())
        fail(ErrInputPastEnd, QStringLiteral("ожидалось число"));
    if (atLineEnd() || current() == ',') {
        endField(); // an empty field stands for 0
        return 0;
    }
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && !endsNumberField(current()))
        ++pos_;
    const std::string_view field(bytes_.constData() + start, std::size_t(pos_ - start));
    double value = 0;
    if (numbertext::leadingNumber(field, value) != field.size())
        fail(ErrTypeMismatch, QStringLiteral("«%1» не число").arg(decode(field)));
    skipBlanks();
    endField();
    return value;
}

QString ListReader::readText() {
    return text(readTextSpan());
}

void ListReader::skipText() {
    readTextSpan();
}

ListReader::TextSpan ListReader::readUnusualSpan() {
    if (atEnd())
        fail(ErrInputPastEnd, QStringLiteral("ожидался текст"));
    return readQuotedSpan();
}

// A quoted text runs to the closing quote, or to the line end when there is none; whatever
// follows the closing quote up to the comma or the line end belongs to no value.
ListReader::TextSpan ListReader::readQuotedSpan() {
    const qsizetype start = ++pos_;
    while (pos_ < bytes_.size() && current() != '"' && !atLineEnd())
        ++pos_;
    const TextSpan span{start, pos_ - start};
    while (pos_ < bytes_.size() && !endsTextField(current()))
        ++pos_;
    endField();
    return span;
}

void ListReader::skipRestOfLine() {
    if (lineEnded_)
        return;
    while (pos_ < bytes_.size() && !isLineEnd(current()))
        ++pos_;
    consumeLineEnd();
}

QString ListReader::decode(QByteArrayView raw) {
    if (raw.isEmpty())
        return {};
    if (raw.size() <= kInternedLength) {
        const quint64 key = internKey(raw);
        if ((key & kHighs) != 0)
            return decodeNonAscii(raw);
        if (const InternedText &cached = interned_[internSlot(key)]; cached.key == key)
            return cached.text;
        return internedAscii(key, raw);
    }
    if (isAscii(raw))
        return QString::fromLatin1(raw.data(), raw.size());
    return decodeNonAscii(raw);
}

QString ListReader::decodeNonAscii(QByteArrayView raw) {
    return coding_ == TextCoding::Utf8 ? QString::fromUtf8(raw) : decodeCodePage(raw);
}

QString ListReader::uncachedShortText(quint64 key) {
    char raw[kInternedLength];
    const auto length = qsizetype(key & 0xFF);
    for (qsizetype i = 0; i < length; ++i)
        raw[i] = char((key >> (8 * (i + 1))) & 0xFF);
    return internedAscii(key, QByteArrayView(raw, length));
}

QString ListReader::decodeCodePage(QByteArrayView raw) {
    const CodePage &page = CodePage::instance();
    QString text(raw.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto byte = static_cast<unsigned char>(raw[i]);
        out[i] = byte < 0x80 ? char16_t(byte) : page.toUnicode(byte);
        if (out[i] == 0 && byte != 0)
            return decoder_.decode(raw); // a byte without a character: the codec decides
    }
    return text;
}

// Open addressing with linear probing over this reader's own view of the pool, so that the
// usual lookup takes no lock; once the table is mostly full, new texts are simply not cached.
QString ListReader::internedAscii(quint64 key, QByteArrayView raw) {
    std::size_t slot = internSlot(key);
    for (std::size_t probe = 0; probe < kInternProbes; ++probe) {
        InternedText &entry = interned_[slot];
        if (entry.key == key)
            return entry.text;
        if (entry.key == 0) {
            entry.key = key;
            entry.text = ShortTextPool::instance().text(key, raw);
            return entry.text;
        }
        slot = (slot + 1) & (kInternSlots - 1);
    }
    return ShortTextPool::instance().text(key, raw);
}

QString sharedAsciiText(QByteArrayView ascii) {
    if (ascii.isEmpty())
        return {};
    if (ascii.size() > kInternedLength || !isAscii(ascii))
        return QString::fromLatin1(ascii.data(), ascii.size());
    return ShortTextPool::instance().text(internKey(ascii), ascii);
}

// ---- LineWriter ----

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

void LineWriter::appendEncoded(const QString &text) {
    const CodePage &page = CodePage::instance();
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
        else if (page.fromUnicode(ch) != 0)
            byte = char(page.fromUnicode(ch));
        else if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one question mark for the whole character
        leading = leading && (byte == ' ' || byte == '\t');
        *room(1) = byte;
    }
}

bool fitsTableCodePage(const QString &text) {
    const CodePage &page = CodePage::instance();
    for (QChar ch : text) {
        if (ch.unicode() >= 0x80 && page.fromUnicode(ch.unicode()) == 0)
            return false;
    }
    return true;
}

} // namespace soccer
