#pragma once

// Small helpers shared by the tests of the files: bytes on disk, code page 1251, error numbers.
#include "core/errors.h"

#include <QFile>
#include <QStringEncoder>
#include <QtTest>
#include <functional>

namespace testkit {

inline QByteArray cp1251(const QString &text) {
    return QStringEncoder("windows-1251").encode(text);
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

inline void putFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace testkit
