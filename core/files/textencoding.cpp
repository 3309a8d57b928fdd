#include "core/files/textencoding.h"

#include "core/files/codepage.h"

#include <QStringDecoder>

namespace soccer {

namespace {

bool startsWith(QByteArrayView bytes, const char *mark, qsizetype length) {
    return bytes.size() >= length && bytes.first(length) == QByteArrayView(mark, length);
}

QString decodeWith(QStringDecoder decoder, QByteArrayView bytes) {
    return decoder.decode(bytes);
}

} // namespace

DecodedText decodeText(QByteArrayView bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return {decodeWith(QStringDecoder(QStringConverter::Utf8), bytes.sliced(3)),
                TextEncoding::Utf8WithMark};
    if (startsWith(bytes, "\xFF\xFE", 2))
        return {decodeWith(QStringDecoder(QStringConverter::Utf16LE), bytes.sliced(2)),
                TextEncoding::Utf16Little};
    if (startsWith(bytes, "\xFE\xFF", 2))
        return {decodeWith(QStringDecoder(QStringConverter::Utf16BE), bytes.sliced(2)),
                TextEncoding::Utf16Big};
    // Stateless: a sequence cut off at the end of the file counts as an error too.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {std::move(text), TextEncoding::Utf8};
    return {fromCodePage(bytes), TextEncoding::CodePage1251};
}

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        break;
    case TextEncoding::Utf8WithMark:
        return QStringLiteral("UTF-8 с меткой BOM");
    case TextEncoding::Utf16Little:
    case TextEncoding::Utf16Big:
        return QStringLiteral("UTF-16");
    case TextEncoding::CodePage1251:
        return QStringLiteral("Windows-1251");
    }
    return QStringLiteral("UTF-8");
}

} // namespace soccer
