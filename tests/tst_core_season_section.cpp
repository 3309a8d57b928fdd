// The calendar's lines in a table's section: written and read back, and every line the reader
// cannot take drops the calendar with one note while the lines stay for the file.
#include "core/season/calendarsection.h"
#include "core/season/draw.h"

#include <QtTest>
#include <memory>

using namespace soccer;

Q_DECLARE_METATYPE(soccer::Fixture)

class TestSeasonSection : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void drawnCalendarReadsBack();
    void linesRead_data();
    void linesRead();

  private:
    std::unique_ptr<League> league_;
};

void TestSeasonSection::init() {
    league_ = std::make_unique<League>();
    league_->teamCount = 4;
}

void TestSeasonSection::drawnCalendarReadsBack() {
    DrawOptions options;
    options.firstDate = QDate(2026, 8, 1);
    league_->calendar = drawCalendar(4, options);
    league_->calendar.fixtures[2].postponed = true;
    league_->calendar.fixtures[3].date = {};
    const QStringList values = writeCalendarPart(*league_);
    QCOMPARE(values.size(), 12);
    QCOMPARE(values[0], "1 1 1 4 2026-08-01");
    auto read = std::make_unique<League>();
    read->teamCount = 4;
    QStringList notes;
    QCOMPARE(readCalendarPart(values, *read, notes), QStringList());
    QCOMPARE(notes, QStringList());
    QCOMPARE(read->calendar, league_->calendar);
    league_->calendar = {};
    QCOMPARE(writeCalendarPart(*league_), QStringList());
}

void TestSeasonSection::linesRead_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("problem"); // empty: read without a note
    QTest::addColumn<Fixture>("last");
    const Fixture none;
    QTest::newRow("no lines: no calendar") << QStringList() << QString() << none;
    QTest::newRow("plain") << QStringList{"1 1 3 4"} << QString() << Fixture{1, 3, 4, 1, {}, false};
    QTest::newRow("date and postponed") << QStringList{"2 9 4 1 2026-10-12 postponed"} << QString()
                                        << Fixture{2, 4, 1, 9, QDate(2026, 10, 12), true};
    QTest::newRow("postponed undated")
        << QStringList{"2 9 4 1 postponed"} << QString() << Fixture{2, 4, 1, 9, {}, true};
    QTest::newRow("no date") << QStringList{"1 1 3 4 2026-02-30"} << "«2026-02-30» не дата" << none;
    QTest::newRow("round 0") << QStringList{"1 0 3 4"} << "тура 0 быть не может (туры от 1 до 999)"
                             << none;
    QTest::newRow("team 5 of 4") << QStringList{"1 1 2 3", "1 1 5 4"} << "команды 5 нет в таблице"
                                 << none;
    QTest::newRow("pair twice") << QStringList{"1 1 2 3", "1 2 3 2"}
                                << "пара 2 и 3 дважды в круге 1" << none;
    const QStringList unreadable{"1 1 3",
                                 "1 1 3 4 5",
                                 "1 1 3 x",
                                 "1 1 3 +4",
                                 "1 1  3 4",
                                 "1 1 3 4 postponed 2026-01-01",
                                 "1 1 3 4 postponed postponed",
                                 "1 1 3 4 ",
                                 "1 99999 3 4"};
    for (const QString &value : unreadable)
        QTest::addRow("unreadable «%s»", qPrintable(value))
            << QStringList{value} << QStringLiteral("строка «calendar: %1» не читается").arg(value)
            << none;
}

void TestSeasonSection::linesRead() {
    QFETCH(QStringList, values);
    QFETCH(QString, problem);
    QFETCH(Fixture, last);
    league_->calendar = drawCalendar(4, {}); // what an earlier table left
    QStringList notes{"earlier note"};
    const QStringList kept = readCalendarPart(values, *league_, notes);
    if (problem.isEmpty()) {
        QCOMPARE(kept, QStringList());
        QCOMPARE(notes, QStringList{"earlier note"});
        QCOMPARE(int(league_->calendar.fixtures.size()), int(values.size()));
        if (!values.isEmpty())
            QCOMPARE(league_->calendar.fixtures.back(), last);
        return;
    }
    QCOMPARE(kept, values);
    QVERIFY(league_->calendar.empty());
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes[1], QStringLiteral("Календарь таблицы отброшен: %1. Строки календаря "
                                      "останутся в файле как были.")
                           .arg(problem));
}

QTEST_APPLESS_MAIN(TestSeasonSection)
#include "tst_core_season_section.moc"
