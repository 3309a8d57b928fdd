// The print form of numbers, the score number rules and the list-input reader and writer.
#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/league/errors.h"
#include "core/league/score.h"
#include "tst_kit.h"

#include <QLocale>
#include <QtTest>
#include <clocale>
#include <functional>
#include <string>

using namespace soccer;

using testkit::cp1251;
using testkit::errorNumberOf;

class TestValueRules : public QObject {
    Q_OBJECT

  private slots:
    void formatScoreNumber_data();
    void formatScoreNumber();
    void printNumber_data();
    void printNumber();
    void readScoreNumber_data();
    void readScoreNumber();
    void formattedNumbersReadBack_data();
    void formattedNumbersReadBack();
    void statisticText_data();
    void statisticText();

    void readerNumbersSeparatedByCommasAndBlanks();
    void readerEmptyNumberFieldReadsZero();
    void readerTexts_data();
    void readerTexts();
    void readerLineEnds();
    void readerSkipsRestOfLineOnlyWhenNotEnded();
    void readerNumberFieldNotANumber_data();
    void readerNumberFieldNotANumber();
    void readerPastEnd();
    void readerNumberForms();
    void readerDecodesCodePage1251();

    void writerTexts_data();
    void writerTexts();
    void writerNumbers();
    void writtenTextsReadBack();

    void decimalCommaLocaleChangesNothing();
    void errorTextIsReadable();
};

void TestValueRules::formatScoreNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("two") << 2.0 << " 2";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("minus one") << -1.0 << "-1";
    QTest::newRow("half") << 0.5 << " .5";
    QTest::newRow("minus half") << -0.5 << "-.5";
    QTest::newRow("one and a half") << 1.5 << " 1.5";
    QTest::newRow("sum rounded to 15 digits") << 0.1 + 0.2 << " .3";
    QTest::newRow("third") << 1.0 / 3 << " .333333333333333";
    QTest::newRow("15 digits whole") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("large") << 1e15 << " 1E+15";
    QTest::newRow("small") << 1e-5 << " 1E-05";
    QTest::newRow("infinite as a number too large")
        << std::numeric_limits<double>::infinity() << " 1E+309";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << " 0";
}

void TestValueRules::formatScoreNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(soccer::formatScoreNumber(value), text);
}

void TestValueRules::printNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("twelve") << 12.0 << " 12 ";
    QTest::newRow("minus one") << -1.0 << "-1 ";
    QTest::newRow("half") << 0.5 << " .5 ";
    QTest::newRow("fraction") << -2.25 << "-2.25 ";
}

void TestValueRules::printNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(soccer::printNumber(value), text);
}

void TestValueRules::readScoreNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digit") << "2" << 2.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("colon after") << "2:" << 2.0;
    QTest::newRow("leading blank") << " 2" << 2.0;
    QTest::newRow("blank inside") << "1 0" << 10.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("letter") << "x" << 0.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("second point stops") << "1.5.3" << 1.5;
    QTest::newRow("no zero before point") << ".5" << 0.5;
    QTest::newRow("negative no zero") << "-.5" << -0.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("sign then blank") << "- 5" << -5.0;
    QTest::newRow("tab and line feed removed") << "1\t2\n3" << 123.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent D") << "1d2" << 100.0;
    QTest::newRow("exponent negative") << "25E-1" << 2.5;
    QTest::newRow("letter E without digits") << "2E" << 2.0;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("ampersand alone") << "&H" << 0.0;
    QTest::newRow("too large reads 0") << "1e999" << 0.0;
    QTest::newRow("too small reads 0") << "1e-999" << 0.0;
    QTest::newRow("Cyrillic first") << "Ж5" << 0.0;
    QTest::newRow("Cyrillic after") << "5Ж" << 5.0;
    QTest::newRow("score text") << " 2: 1" << 2.0;
}

void TestValueRules::readScoreNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(soccer::readScoreNumber(text), value);
}

void TestValueRules::formattedNumbersReadBack_data() {
    QTest::addColumn<double>("value");
    for (double value : {0.0, 7.0, -3.0, 0.25, -0.75, 1.5, 123456789012345.0, 1e20, -4.5e-12,
                         1.23456789012345e-10, 98765.4321})
        QTest::addRow("%s", std::to_string(value).c_str()) << value;
}

// Taking a result back needs exactly the numbers that were counted.
void TestValueRules::formattedNumbersReadBack() {
    QFETCH(double, value);
    QCOMPARE(soccer::readScoreNumber(soccer::formatScoreNumber(value)), value);
    ListReader reader(soccer::printNumber(value).toLatin1());
    QCOMPARE(reader.readNumber(), value);
}

void TestValueRules::statisticText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("three") << 3.0 << "3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("minus one") << -1.0 << "-1";
    QTest::newRow("fraction") << 1.5 << "1.5";
    QTest::newRow("below one") << 0.5 << "0.5";
    QTest::newRow("sum of fractions") << 0.1 + 0.2 << "0.3";
}

void TestValueRules::statisticText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(soccer::statisticText(value), text);
}

void TestValueRules::readerNumbersSeparatedByCommasAndBlanks() {
    ListReader reader("150,150,150\r\n 200  200  200 \r\n0 , 0\t0\r\n");
    const double expected[] = {150, 150, 150, 200, 200, 200, 0, 0, 0};
    for (double value : expected)
        QCOMPARE(reader.readNumber(), value);
    QVERIFY(reader.atEnd());
}

void TestValueRules::readerEmptyNumberFieldReadsZero() {
    ListReader reader(",5\r\n\r\n7");
    QCOMPARE(reader.readNumber(), 0.0);
    QCOMPARE(reader.readNumber(), 5.0);
    QCOMPARE(reader.readNumber(), 0.0); // the empty line
    QCOMPARE(reader.readNumber(), 7.0);
    QVERIFY(reader.atEnd());
}

void TestValueRules::readerTexts_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("leading blanks dropped, trailing kept")
        << QByteArray("   ab  \r\n 2: 1\r\n") << QStringList{"ab  ", "2: 1"};
    QTest::newRow("empty lines are empty texts")
        << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("comma ends a text") << QByteArray("a,b\r\n") << QStringList{"a", "b"};
    QTest::newRow("leading quote reads to the next quote")
        << QByteArray("\"a,b\" rest\r\nnext\r\n") << QStringList{"a,b", "next"};
    QTest::newRow("unclosed quote ends at the line end")
        << QByteArray("\"open\r\nnext\r\n") << QStringList{"open", "next"};
    QTest::newRow("quote inside is kept") << QByteArray("a\"b\r\n") << QStringList{"a\"b"};
    QTest::newRow("last line without line end") << QByteArray("x\r\ny") << QStringList{"x", "y"};
}

void TestValueRules::readerTexts() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    ListReader reader(bytes);
    for (const QString &text : texts)
        QCOMPARE(reader.readText(), text);
    QVERIFY(reader.atEnd());
}

void TestValueRules::readerLineEnds() {
    ListReader reader("a\nb\rc\r\nd\n\r5\r6\n");
    for (const char *text : {"a", "b", "c", "d", ""})
        QCOMPARE(reader.readText(), QString::fromLatin1(text));
    QCOMPARE(reader.readNumber(), 5.0);
    QCOMPARE(reader.readNumber(), 6.0);
    QVERIFY(reader.atEnd());
}

void TestValueRules::readerSkipsRestOfLineOnlyWhenNotEnded() {
    ListReader reader("4\r\n 1  2  3 junk, more\r\nnext\r\n 9 \r\nlast");
    QCOMPARE(reader.readNumber(), 4.0);
    reader.skipRestOfLine(); // the count's line end is already consumed
    QCOMPARE(reader.readNumber(), 1.0);
    QCOMPARE(reader.readNumber(), 2.0);
    QCOMPARE(reader.readNumber(), 3.0);
    reader.skipRestOfLine();
    QCOMPARE(reader.readText(), QStringLiteral("next"));
    QCOMPARE(reader.readNumber(), 9.0);
    reader.skipRestOfLine();
    QCOMPARE(reader.readText(), QStringLiteral("last"));
}

void TestValueRules::readerNumberFieldNotANumber_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::newRow("letters") << QByteArray("abc\r\n") << int(ErrTypeMismatch);
    QTest::newRow("digits then letter") << QByteArray("12x 3\r\n") << int(ErrTypeMismatch);
    QTest::newRow("sign alone") << QByteArray("-\r\n") << int(ErrTypeMismatch);
    QTest::newRow("two points") << QByteArray("1.2.3\r\n") << int(ErrTypeMismatch);
    QTest::newRow("score text") << QByteArray("2:1\r\n") << int(ErrTypeMismatch);
    QTest::newRow("ampersand without digits") << QByteArray("&H\r\n") << int(ErrTypeMismatch);
}

void TestValueRules::readerNumberFieldNotANumber() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    ListReader reader(bytes);
    QCOMPARE(errorNumberOf([&] { reader.readNumber(); }), number);
}

void TestValueRules::readerPastEnd() {
    ListReader reader("7\r\n   ");
    QCOMPARE(reader.readNumber(), 7.0);
    QCOMPARE(errorNumberOf([&] { reader.readNumber(); }), int(ErrInputPastEnd));
    ListReader empty{QByteArray()};
    QCOMPARE(errorNumberOf([&] { empty.readText(); }), int(ErrInputPastEnd));
}

// Numbers with exponents and bases are numbers in a file too; one too large for a double is
// taken as infinite rather than refused, so that a table saved with such a statistic loads.
void TestValueRules::readerNumberForms() {
    ListReader reader("&H10 1E2 -.5 -1e999 1.79769313486232E+308\r\n");
    QCOMPARE(reader.readNumber(), 16.0);
    QCOMPARE(reader.readNumber(), 100.0);
    QCOMPARE(reader.readNumber(), -0.5);
    QCOMPARE(reader.readNumber(), -std::numeric_limits<double>::infinity());
    QCOMPARE(reader.readNumber(), std::numeric_limits<double>::infinity());
    QVERIFY(reader.atEnd());
}

void TestValueRules::readerDecodesCodePage1251() {
    const QString name = QStringLiteral("Спартак Москва ёЁ №");
    ListReader reader(cp1251(name) + "\r\n" + cp1251(QStringLiteral("Зенит")));
    QCOMPARE(reader.readText(), name);
    QCOMPARE(reader.readText(), QStringLiteral("Зенит"));
}

void TestValueRules::writerTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii unchanged") << " 2: 1" << QByteArray(" 2: 1");
    QTest::newRow("Cyrillic in 1251") << "Динамо" << cp1251(QStringLiteral("Динамо"));
    QTest::newRow("inner quote kept") << "a\"b" << QByteArray("a\"b");
    QTest::newRow("comma replaced") << "Иванов, А" << cp1251(QStringLiteral("Иванов; А"));
    QTest::newRow("line break replaced") << "a\r\nb" << QByteArray("a  b");
    QTest::newRow("leading quote replaced") << " \"x\"" << QByteArray(" 'x\"");
    QTest::newRow("outside the code page") << "München ✓" << QByteArray("M?nchen ?");
}

// A text that the reader would cut apart is made safe, so a saved table always loads again.
void TestValueRules::writerTexts() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    LineWriter writer;
    writer.writeText(text);
    QCOMPARE(writer.bytes(), bytes);
}

void TestValueRules::writerNumbers() {
    LineWriter writer;
    writer.writeBareNumber(12);
    writer.endLine();
    for (double value : {3.0, 1.0, -1.0, 0.5})
        writer.writeNumber(value);
    writer.endLine();
    QCOMPARE(writer.bytes(), QByteArray("12\r\n 3  1 -1  .5 \r\n"));
}

void TestValueRules::writtenTextsReadBack() {
    const QStringList texts{"Торпедо", "", " 0: 21", "end blanks  ", "-1.5: 2"};
    const QStringList readBack{"Торпедо", "", "0: 21", "end blanks  ", "-1.5: 2"};
    LineWriter writer;
    for (const QString &text : texts)
        writer.writeTextLine(text);
    ListReader reader(writer.bytes());
    for (const QString &text : readBack)
        QCOMPARE(reader.readText(), text);
    QVERIFY(reader.atEnd());
}

// A user whose numbers use a decimal comma must still get tables that load again.
void TestValueRules::decimalCommaLocaleChangesNothing() {
    const QLocale oldLocale;
    const std::string oldC = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const bool cLocaleSet = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
    if (!cLocaleSet)
        qInfo("ru_RU.UTF-8 is not installed; only Qt's default locale uses a decimal comma");

    const QString print = soccer::printNumber(1.5);
    const QString score = soccer::scoreText(2.5, -0.5);
    const QString statistic = soccer::statisticText(1.5);
    ListReader reader(" 1.5  2 \r\n");
    const double read = reader.readNumber();
    const double typed = soccer::readScoreNumber(u"1.5");

    std::setlocale(LC_ALL, oldC.c_str());
    QLocale::setDefault(oldLocale);
    QCOMPARE(print, QStringLiteral(" 1.5 "));
    QCOMPARE(score, QStringLiteral(" 2.5:-.5"));
    QCOMPARE(statistic, QStringLiteral("1.5"));
    QCOMPARE(read, 1.5);
    QCOMPARE(typed, 1.5);
}

void TestValueRules::errorTextIsReadable() {
    const CoreError error(ErrFileNotFound, QStringLiteral("c:/таблица.tfl"));
    QCOMPARE(QString::fromUtf8(error.what()),
             QStringLiteral("Ошибка № 53: Файл не найден (c:/таблица.tfl)"));
    QCOMPARE(error.number(), 53);
}

QTEST_APPLESS_MAIN(TestValueRules)
#include "tst_core_valuerules.moc"
