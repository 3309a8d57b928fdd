#include "core/files/filefingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace soccer {

namespace {

constexpr QCryptographicHash::Algorithm kHash = QCryptographicHash::Sha256;

} // namespace

FileFingerprint FileFingerprint::ofBytes(const QByteArray &bytes) {
    FileFingerprint print;
    print.present_ = true;
    print.size_ = bytes.size();
    print.hash_ = QCryptographicHash::hash(bytes, kHash);
    return print;
}

// The bytes are hashed as they are read, so that a large file that has taken the table's
// place is not held in memory at once.
FileFingerprint FileFingerprint::ofFile(const QString &path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(kHash);
    if (!hash.addData(&file))
        return {};
    FileFingerprint print;
    print.present_ = true;
    print.size_ = file.size();
    print.hash_ = hash.result();
    return print;
}

} // namespace soccer
