#include "core/recovery/recoverycopy.h"

#include "core/files/wholefile.h"
#include "core/league/errors.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace soccer {

namespace {

const QByteArray kHeader = QByteArrayLiteral("soccer recovery copy 1\n");
constexpr QCryptographicHash::Algorithm kHash = QCryptographicHash::Sha256;
constexpr qsizetype kHashLength = 32;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
const QString kCopySuffix = QStringLiteral(".recovery");
const QString kAsideSuffix = QStringLiteral(".recovery.old");

QString &folderOverride() {
    static QString folder;
    return folder;
}

QByteArray recordBytes(const RecoveryRecord &record) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << record.owner << record.taken.toMSecsSinceEpoch() << quint32(record.parts.size());
    for (const RecoveryPart &part : record.parts)
        out << part.path << part.loadedFrom.toBytes() << part.bytes;
    return bytes;
}

// Reads exactly what recordBytes wrote; nothing when anything is missing or left over.
std::optional<RecoveryRecord> recordOf(const QByteArray &bytes) {
    QDataStream in(bytes);
    in.setVersion(kStreamVersion);
    RecoveryRecord record;
    qint64 taken = 0;
    quint32 count = 0;
    in >> record.owner >> taken >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        RecoveryPart part;
        QByteArray print;
        in >> part.path >> print >> part.bytes;
        part.loadedFrom = FileFingerprint::fromBytes(print);
        record.parts.push_back(std::move(part));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd() || record.owner.isEmpty())
        return std::nullopt;
    record.taken = QDateTime::fromMSecsSinceEpoch(taken);
    return record;
}

} // namespace

bool RecoveryRecord::filesChangedSince() const {
    for (const RecoveryPart &part : parts) {
        if (FileFingerprint::ofFile(part.path) != part.loadedFrom)
            return true;
    }
    return false;
}

QByteArray encodeRecovery(const RecoveryRecord &record) {
    const QByteArray body = recordBytes(record);
    return kHeader + body + QCryptographicHash::hash(body, kHash);
}

std::optional<RecoveryRecord> decodeRecovery(const QByteArray &bytes) {
    if (!bytes.startsWith(kHeader) || bytes.size() < kHeader.size() + kHashLength)
        return std::nullopt;
    const QByteArray body = bytes.mid(kHeader.size(), bytes.size() - kHeader.size() - kHashLength);
    if (QCryptographicHash::hash(body, kHash) != bytes.right(kHashLength))
        return std::nullopt;
    return recordOf(body);
}

QString recoveryFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/soccer/recovery");
}

void setRecoveryFolder(const QString &folder) {
    folderOverride() = folder;
}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) {}

// The owner's path hashed, so that any path gives a plain file name of one length.
QString RecoveryStore::copyPath(const QString &owner) const {
    const QByteArray key = QCryptographicHash::hash(owner.toUtf8(), kHash).toHex().left(32);
    return folder_ + QLatin1Char('/') + QString::fromLatin1(key) + kCopySuffix;
}

QString RecoveryStore::asidePath(const QString &owner) const {
    return copyPath(owner) + QStringLiteral(".old");
}

void RecoveryStore::write(const RecoveryRecord &record) const {
    QDir().mkpath(folder_);
    saveWholeFile(copyPath(record.owner), encodeRecovery(record));
}

void RecoveryStore::remove(const QString &owner) const {
    QFile::remove(copyPath(owner));
}

bool RecoveryStore::setAside(const QString &owner) const {
    const QString copy = copyPath(owner);
    if (!QFile::exists(copy))
        return false;
    // A rename over the older copy would be one step, but QFile::rename does not replace.
    QFile::remove(asidePath(owner));
    return QFile::rename(copy, asidePath(owner));
}

// A copy that cannot be read as one is renamed aside where it lies, whatever its owner.
void RecoveryStore::readInto(const QString &path, RecoveryFound &found) const {
    std::optional<RecoveryRecord> record;
    try {
        record = decodeRecovery(readWholeFile(path));
    } catch (const CoreError &) {
        if (!QFile::exists(path))
            return; // removed meanwhile by the program that owned it
    }
    if (record) {
        found.records.push_back(std::move(*record));
        return;
    }
    const QString aside = path + QStringLiteral(".old");
    QFile::remove(aside);
    QFile::rename(path, aside);
    found.damaged.append(aside);
}

RecoveryFound RecoveryStore::find(const QString &owner) const {
    RecoveryFound found;
    if (QFile::exists(copyPath(owner)))
        readInto(copyPath(owner), found);
    return found;
}

RecoveryFound RecoveryStore::findAll() const {
    RecoveryFound found;
    const QDir folder(folder_);
    const QStringList names =
        folder.entryList({QLatin1Char('*') + kCopySuffix}, QDir::Files, QDir::Time);
    for (const QString &name : names)
        readInto(folder.filePath(name), found);
    return found;
}

} // namespace soccer
