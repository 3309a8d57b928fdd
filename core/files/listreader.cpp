#include "core/files/listreader.h"

#include "core/league/errors.h"
#include "core/league/numbertext.h"

#include <string_view>

namespace soccer {

namespace {

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

} // namespace

ListReader::ListReader(QByteArray bytes, TextCoding coding)
    : bytes_(std::move(bytes)), coding_(coding) {
    if (coding_ == TextCoding::Utf8)
        pos_ = utf8MarkLength(bytes_);
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

// Lines are counted as consumeLineEnd splits them: CR LF is one line end, and so is a lone CR
// or a lone LF, so that a file with CR-only line ends is not all "line 1".
qsizetype ListReader::lineNumberAt(qsizetype pos) const {
    qsizetype lines = 1;
    for (qsizetype i = 0; i < pos && i < bytes_.size(); ++i) {
        const char ch = bytes_.constData()[i];
        if (ch == '\r' || (ch == '\n' && (i == 0 || bytes_.constData()[i - 1] != '\r')))
            ++lines;
    }
    return lines;
}

void ListReader::fail(int number, const QString &what) const {
    const qsizetype lineNumber = lineNumberAt(pos_);
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

ListReader::TextSpan ListReader::readTextSpan() {
    skipBlanks();
    if (atEnd())
        fail(ErrInputPastEnd, QStringLiteral("ожидался текст"));
    if (current() == '"')
        return readQuotedSpan();
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && !endsTextField(current()))
        ++pos_;
    const TextSpan span{start, pos_ - start};
    endField();
    return span;
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

QString ListReader::text(const TextSpan &span) const {
    return decode(QByteArrayView(bytes_.constData() + span.start, span.length));
}

void ListReader::skipRestOfLine() {
    if (lineEnded_)
        return;
    while (pos_ < bytes_.size() && !isLineEnd(current()))
        ++pos_;
    consumeLineEnd();
}

QStringList ListReader::readLines() {
    QStringList lines;
    // Local copies of where the bytes are: the compiler must otherwise read them again after
    // every step, since the bytes read may be any object.
    const char *const data = bytes_.constData();
    const qsizetype size = bytes_.size();
    while (!atEnd()) {
        const qsizetype start = pos_;
        qsizetype end = start;
        while (end < size && !isLineEnd(data[end]))
            ++end;
        pos_ = end;
        lines.append(decode(QByteArrayView(data + start, end - start)));
        consumeLineEnd();
    }
    return lines;
}

QString ListReader::decode(QByteArrayView raw) const {
    if (raw.isEmpty())
        return {};
    if (isAscii(raw))
        return QString::fromLatin1(raw.data(), raw.size());
    return coding_ == TextCoding::Utf8 ? QString::fromUtf8(raw) : fromCodePage(raw);
}

} // namespace soccer
