#include "core/import/importreader.h"

#include "core/import/importcsv.h"
#include "core/import/importjson.h"

#include <QFile>
#include <QFileInfo>

namespace soccer {

namespace {

ImportedFile refused(const QString &problem) {
    ImportedFile file;
    file.problem = problem;
    return file;
}

QString tooLargeProblem(qint64 size) {
    return QStringLiteral("Файл больше 16 МБ (%1 байт): столько результатов не бывает в одном "
                          "сезоне, файл не читается")
        .arg(size);
}

bool looksLikeJson(const QString &text) {
    for (QChar ch : text) {
        if (!ch.isSpace())
            return ch == u'{' || ch == u'[';
    }
    return false;
}

} // namespace

ImportedFile readImportBytes(const QByteArray &bytes) {
    if (bytes.size() > kImportSizeLimit)
        return refused(tooLargeProblem(bytes.size()));
    DecodedText decoded = decodeText(bytes);
    ImportedFile file;
    file.source.decoded = true;
    file.source.encoding = decoded.encoding;
    if (looksLikeJson(decoded.text))
        readJsonMatches(decoded.text, file);
    else
        readCsvMatches(decoded.text, file);
    return file;
}

ImportedFile readImportFile(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QStringLiteral("Файл не найден: %1").arg(path));
    if (!info.isFile())
        return refused(QStringLiteral("Это не файл: %1").arg(path));
    if (info.size() > kImportSizeLimit)
        return refused(tooLargeProblem(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("Не удалось открыть файл: %1").arg(path));
    // One byte over the limit is enough to tell a file that grew since it was measured.
    const QByteArray bytes = file.read(kImportSizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("Не удалось прочитать файл: %1").arg(path));
    return readImportBytes(bytes);
}

} // namespace soccer
