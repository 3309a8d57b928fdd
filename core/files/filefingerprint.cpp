#include "core/files/filefingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace soccer {

namespace {

constexpr QCryptographicHash::Algorithm kHash = QCryptographicHash::Sha256;

} // namespace

FileFingerprint FileFingerprint::ofBytes(const QByteArray &bytes) {
    FileFingerprint print;
    print.present_ = true;
    print.size_ = bytes.size();
    print.unhashed_ = bytes;
    return print;
}

const QByteArray &FileFingerprint::hash() const {
    if (hash_.isEmpty() && present_) {
        hash_ = QCryptographicHash::hash(unhashed_, kHash);
        unhashed_ = {};
    }
    return hash_;
}

bool FileFingerprint::operator==(const FileFingerprint &other) const {
    return present_ == other.present_ && size_ == other.size_ && hash() == other.hash();
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

// Eight bytes of size (big-endian) and the hash; nothing at all for the fingerprint of nothing.
QByteArray FileFingerprint::toBytes() const {
    if (!present_)
        return {};
    QByteArray bytes(8, '\0');
    qToBigEndian<qint64>(size_, bytes.data());
    return bytes + hash();
}

FileFingerprint FileFingerprint::fromBytes(const QByteArray &bytes) {
    constexpr qsizetype kHashLength = 32;
    if (bytes.size() != 8 + kHashLength)
        return {};
    FileFingerprint print;
    print.present_ = true;
    print.size_ = qFromBigEndian<qint64>(bytes.constData());
    print.hash_ = bytes.mid(8);
    return print;
}

} // namespace soccer
