// The program's own table of code page 1251 against Qt's codec (ICU's windows-1251), which the
// Linux build has and the Windows build lacks: every byte decodes to the same character, and
// every character encodes to the same byte or to none in both.
#include "core/files/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

using namespace soccer;

class TestCodePage : public QObject {
    Q_OBJECT

  private slots:
    void everyByteIsTheCodecsCharacter() {
        QVERIFY(QStringDecoder("windows-1251").isValid());
        for (int byte = 0; byte < 256; ++byte) {
            QStringDecoder codec("windows-1251");
            const char raw = char(byte);
            const QString theirs = codec.decode(QByteArrayView(&raw, 1));
            QVERIFY2(!codec.hasError() && theirs.size() == 1, qPrintable(QString::number(byte)));
            QCOMPARE(codePageCharacters()[std::size_t(byte)], theirs[0].unicode());
            QCOMPARE(fromCodePage(QByteArrayView(&raw, 1)), theirs);
        }
    }

    void everyCharacterIsTheCodecsByte() {
        QVERIFY(QStringEncoder("windows-1251").isValid());
        for (char32_t unit = 0x80; unit < 0x10000; ++unit) {
            if (QChar::isSurrogate(unit))
                continue;
            QStringEncoder codec("windows-1251", QStringConverter::Flag::ConvertInvalidToNull);
            const QChar ch{char16_t(unit)};
            const QByteArray theirs = codec.encode(QStringView(&ch, 1));
            const bool encodable = !codec.hasError() && theirs.size() == 1 && theirs[0] != '\0';
            const unsigned char ours = codePageByte(char16_t(unit));
            QVERIFY2(encodable ? ours == static_cast<unsigned char>(theirs[0]) : ours == 0,
                     qPrintable(QString::number(unit, 16)));
            QCOMPARE(fitsTableCodePage(QString(ch)), encodable);
        }
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_core_codepage.moc"
