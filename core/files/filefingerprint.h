#pragma once

#include <QByteArray>
#include <QString>

namespace soccer {

// What a file held at one moment, as its size and a hash of its bytes, so that a later look
// tells whether anything has written it since. A modification time alone would miss two saves
// within the clock's step and a copy that keeps the old time.
class FileFingerprint {
  public:
    // The fingerprint of nothing: no file, or none that could be read.
    FileFingerprint() = default;

    static FileFingerprint ofBytes(const QByteArray &bytes);
    // The file at `path` as it is now; of nothing when no readable plain file is there.
    static FileFingerprint ofFile(const QString &path);

    bool isOfNothing() const { return !present_; }

    // The fingerprint as bytes to keep in a file, and back; fromBytes gives nothing for
    // bytes that toBytes did not make.
    QByteArray toBytes() const;
    static FileFingerprint fromBytes(const QByteArray &bytes);
    // Files of different sizes differ without hashing either.
    bool operator==(const FileFingerprint &other) const;

  private:
    const QByteArray &hash() const;

    bool present_ = false;
    qint64 size_ = 0;
    // The bytes of ofBytes are hashed only when the hash is first needed: opening a table
    // takes its fingerprint, and hashing a large table there would slow every start for a
    // comparison that comes, if ever, at the next save. The bytes are shared with the
    // reader's copy, not copied.
    mutable QByteArray unhashed_;
    mutable QByteArray hash_;
};

} // namespace soccer
