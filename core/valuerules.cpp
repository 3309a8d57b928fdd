#include "core/valuerules.h"

#include "core/errors.h"
#include "core/numbertext.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <string_view>

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

quint64 internKey(QByteArrayView raw) {
    quint64 key = quint64(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i)
        key |= quint64(static_cast<unsigned char>(raw[i])) << (8 * (i + 1));
    return key;
}

} // namespace

QString printNumber(double value) {
    char text[numbertext::kCapacity];
    const int length = numbertext::scoreForm(value, text);
    return QString::fromLatin1(text, length) + QLatin1Char(' ');
}

// ---- ListReader ----

ListReader::ListReader(QByteArray bytes) : bytes_(std::move(bytes)), decoder_(kCodePage) {}

void ListReader::skipBlanks() {
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_]))
        ++pos_;
}

bool ListReader::atLineEnd() const {
    return pos_ < bytes_.size() && isLineEnd(bytes_[pos_]);
}

void ListReader::consumeLineEnd() {
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
        ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
        ++pos_;
    lineEnded_ = true;
}

void ListReader::endField() {
    if (atEnd()) {
        lineEnded_ = true;
    } else if (bytes_[pos_] == ',') {
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
    if (atLineEnd() || bytes_[pos_] == ',') {
        endField(); // an empty field stands for 0
        return 0;
    }
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && !endsNumberField(bytes_[pos_]))
        ++pos_;
    const std::string_view field(bytes_.constData() + start, std::size_t(pos_ - start));
    double value = 0;
    if (numbertext::leadingNumber(field, value) != field.size())
        fail(ErrTypeMismatch, QStringLiteral("«%1» не число").arg(decode(field)));
    if (!std::isfinite(value))
        fail(ErrOverflow, QStringLiteral("«%1» слишком велико").arg(decode(field)));
    skipBlanks();
    endField();
    return value;
}

QString ListReader::readText() {
    skipBlanks();
    if (atEnd())
        fail(ErrInputPastEnd, QStringLiteral("ожидался текст"));
    if (bytes_[pos_] == '"')
        return readQuotedText();
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && !endsTextField(bytes_[pos_]))
        ++pos_;
    const QString text = decode(QByteArrayView(bytes_).sliced(start, pos_ - start));
    endField();
    return text;
}

// A quoted text runs to the closing quote, or to the line end when there is none; whatever
// follows the closing quote up to the comma or the line end belongs to no value.
QString ListReader::readQuotedText() {
    const qsizetype start = ++pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != '"' && !atLineEnd())
        ++pos_;
    const QString text = decode(QByteArrayView(bytes_).sliced(start, pos_ - start));
    while (pos_ < bytes_.size() && !endsTextField(bytes_[pos_]))
        ++pos_;
    endField();
    return text;
}

void ListReader::skipRestOfLine() {
    if (lineEnded_)
        return;
    while (pos_ < bytes_.size() && !isLineEnd(bytes_[pos_]))
        ++pos_;
    consumeLineEnd();
}

QString ListReader::decode(QByteArrayView raw) {
    if (raw.isEmpty())
        return {};
    if (isAscii(raw))
        return raw.size() <= kInternedLength ? internedAscii(raw)
                                             : QString::fromLatin1(raw.data(), raw.size());
    return decoder_.decode(raw);
}

QString ListReader::internedAscii(QByteArrayView raw) {
    const quint64 key = internKey(raw);
    InternedText &slot = interned_[(key * 0x9E3779B97F4A7C15ULL) >> 58];
    if (slot.key != key) {
        slot.key = key;
        slot.text = QString::fromLatin1(raw.data(), raw.size());
    }
    return slot.text;
}

// ---- LineWriter ----

LineWriter::LineWriter() : encoder_(kCodePage) {}

void LineWriter::appendAscii(const char *text, qsizetype length) {
    bytes_.append(text, length);
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
    const QChar *chars = text.constData();
    bool leading = true;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t ch = chars[i].unicode();
        if (ch >= 0x80 || ch == ',' || ch == '\r' || ch == '\n' || (leading && ch == '"'))
            return false;
        leading = leading && (ch == ' ' || ch == '\t');
    }
    const qsizetype old = bytes_.size();
    bytes_.resize(old + length);
    char *out = bytes_.data() + old;
    for (qsizetype i = 0; i < length; ++i)
        out[i] = char(chars[i].unicode());
    return true;
}

void LineWriter::appendEncoded(const QString &text) {
    QString safe;
    safe.reserve(text.size());
    bool leading = true;
    for (QChar ch : text) {
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            ch = QLatin1Char(' ');
        else if (ch == QLatin1Char(','))
            ch = QLatin1Char(';');
        else if (leading && ch == QLatin1Char('"'))
            ch = QLatin1Char('\'');
        leading = leading && (ch == QLatin1Char(' ') || ch == QLatin1Char('\t'));
        safe += ch;
    }
    if (!fitsTableCodePage(safe)) {
        for (QChar &ch : safe) {
            if (ch.unicode() >= 0x80 && !fitsTableCodePage(QString(ch)))
                ch = QLatin1Char('?');
        }
    }
    bytes_.append(encoder_.encode(safe));
}

bool fitsTableCodePage(const QString &text) {
    QStringEncoder encoder(kCodePage);
    const QByteArray encoded = encoder.encode(text); // the conversion runs here
    Q_UNUSED(encoded);
    return !encoder.hasError();
}

// ---- Whole files ----

namespace {

[[noreturn]] void failFile(int number, const QString &path) {
    throw CoreError(number, path);
}

void checkFileName(const QString &path) {
    if (path.isEmpty() || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?')))
        failFile(ErrBadFileName, path);
}

bool folderExists(const QFileInfo &file) {
    const QFileInfo folder(file.absolutePath());
    return folder.exists() && folder.isDir();
}

int writeFailureNumber(QFileDevice::FileError error) {
    return error == QFileDevice::ResourceError ? ErrDiskFull : ErrDeviceIo;
}

} // namespace

QByteArray readWholeFile(const QString &path) {
    checkFileName(path);
    const QFileInfo info(path);
    if (!info.exists())
        failFile(folderExists(info) ? ErrFileNotFound : ErrPathNotFound, path);
    if (!info.isFile())
        failFile(ErrPathAccess, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failFile(file.error() == QFileDevice::PermissionsError ? ErrPermissionDenied
                                                               : ErrPathAccess,
                 path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        failFile(ErrDeviceIo, path);
    return bytes;
}

void saveWholeFile(const QString &path, const QByteArray &bytes) {
    checkFileName(path);
    const QFileInfo info(path);
    if (!folderExists(info))
        failFile(ErrPathNotFound, path);
    // Never replace a folder or a device: only a plain file is ours to rewrite.
    if (info.exists() && !info.isFile())
        failFile(ErrPathAccess, path);
    if (info.exists() && !info.isWritable())
        failFile(ErrPermissionDenied, path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const bool folderWritable = QFileInfo(info.absolutePath()).isWritable();
        failFile(folderWritable ? ErrPathAccess : ErrPermissionDenied, path);
    }
    if (file.write(bytes) != bytes.size()) {
        const int number = writeFailureNumber(file.error());
        file.cancelWriting();
        failFile(number, path);
    }
    if (!file.commit())
        failFile(writeFailureNumber(file.error()), path);
}

} // namespace soccer
