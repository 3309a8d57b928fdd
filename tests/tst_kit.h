#pragma once

// What every test of files shares: bytes and lines on disk, code page 1251, error numbers.
// QtCore only, so the core tests use it too. The windows' kit is tst_kit_windows.h.
#include "core/files/codepage.h"
#include "core/league/errors.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <functional>

namespace testkit {

// Through the program's own table, which tst_core_codepage holds against Qt's codec: a Qt
// without ICU (the Windows build) has no codec for code page 1251.
inline QByteArray cp1251(const QString &text) {
    QByteArray bytes;
    for (QChar ch : text) {
        const unsigned char byte = soccer::codePageByte(ch.unicode());
        bytes += ch.unicode() < 0x80 ? char(ch.unicode()) : byte != 0 ? char(byte) : '?';
    }
    return bytes;
}

// A path as the program shows it: with backslashes on Windows.
inline QString shown(const QString &path) {
    return QDir::toNativeSeparators(path);
}

// The error number a failing action reports; 0 when it does not fail.
inline int errorNumberOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const soccer::CoreError &error) {
        return error.number();
    }
    return 0;
}

// A missing file reads as a text no file of the program can hold, so comparisons fail loudly.
inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The lines of a CR LF file, without the empty text after the last line end.
inline QList<QByteArray> fileLines(const QString &path) {
    QList<QByteArray> lines = fileBytes(path).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

inline void putFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace testkit
