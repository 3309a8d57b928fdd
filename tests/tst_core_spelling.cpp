// The nearest spelling that code page 1251 can hold, offered for a name it cannot.
#include "core/files/codepage.h"
#include "core/files/spelling.h"

#include <QtTest>

using namespace soccer;

class TestSpelling : public QObject {
    Q_OBJECT

  private slots:
    void nearestStorableSpelling_data();
    void nearestStorableSpelling();
};

void TestSpelling::nearestStorableSpelling_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("offered");
    QTest::newRow("acute") << "Atlético Madrid"
                           << "Atletico Madrid";
    QTest::newRow("acute at the end") << "CD Leganés"
                                      << "CD Leganes";
    QTest::newRow("tilde and diaeresis") << "Ñandú Mönchengladbach"
                                         << "Nandu Monchengladbach";
    QTest::newRow("dot above") << "İstanbul Başakşehir"
                               << "Istanbul Basaksehir";
    QTest::newRow("Cyrillic й and ё stay") << "Йошкар-Ола, Ёлкино «Ёж» № 1"
                                           << "Йошкар-Ола, Ёлкино «Ёж» № 1";
    QTest::newRow("й typed as и and a breve") << "Маи\u0306коп"
                                              << "Майкоп";
    QTest::newRow("stress mark dropped") << "Москва\u0301"
                                         << "Москва";
    QTest::newRow("storable accents of the code page kept") << "Ўзбекистон Ђак"
                                                            << "Ўзбекистон Ђак";
    QTest::newRow("no decomposition") << "Łódź Straße"
                                      << "?odz Stra?e";
    QTest::newRow("Greek") << "Ολυμπιακός"
                           << "??????????";
    QTest::newRow("one mark for a character outside the BMP") << "Club \U0001F600!"
                                                              << "Club ?!";
    QTest::newRow("a lone combining mark") << "\u0301A"
                                           << "A";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSpelling::nearestStorableSpelling() {
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    const QString spelled = soccer::nearestStorableSpelling(typed);
    QCOMPARE(spelled, offered);
    QVERIFY(fitsTableCodePage(spelled));
    QCOMPARE(soccer::nearestStorableSpelling(spelled), spelled);
}

QTEST_APPLESS_MAIN(TestSpelling)
#include "tst_core_spelling.moc"
