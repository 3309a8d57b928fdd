// The calendar's lines in a table's section: written and read back, and every line the reader
// cannot take drops the calendar with one note while the lines stay for the file.
#include "core/files/tablefile.h"
#include "core/season/calendarsection.h"
#include "core/season/draw.h"

#include <QtTest>
#include <memory>

using namespace soccer;

Q_DECLARE_METATYPE(soccer::Fixture)

namespace {

const QByteArray kFourCalendarLines = "calendar: 1 1 1 4 2026-08-01\r\n"
                                      "calendar: 1 1 2 3 2026-08-01\r\n"
                                      "calendar: 2 5 3 1 postponed\r\n"
                                      "calendar: 2 4 4 2\r\n";

} // namespace

class TestSeasonSection : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void drawnCalendarReadsBack();
    void linesRead_data();
    void linesRead();
    void tableFileKeepsTheCalendar_data();
    void tableFileKeepsTheCalendar();

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

void TestSeasonSection::tableFileKeepsTheCalendar_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<int>("fixtures");
    QTest::addColumn<int>("notes");
    QTest::newRow("no calendar") << QByteArray() << 0 << 0;
    QTest::newRow("calendar") << kFourCalendarLines << 4 << 0;
    QTest::newRow("calendar and a later kind") << kFourCalendarLines + "future-part: 1 2 3\r\n"
                                               << 4 << 0;
    QTest::newRow("a team the table lacks") << kFourCalendarLines + "calendar: 1 2 5 1\r\n"
                                            << 0 << 1;
}

// Read and saved again, the file is the same bytes: the calendar written back from the League,
// a calendar that did not fit and a kind this version does not know kept as they were.
void TestSeasonSection::tableFileKeepsTheCalendar() {
    QFETCH(QByteArray, section);
    QFETCH(int, fixtures);
    QFETCH(int, notes);
    parseTable(blankTableBytes(4), *league_);
    const QByteArray bytes = tableBytes(*league_) + section;
    const QStringList read = parseTable(bytes, *league_);
    QCOMPARE(int(read.size()), notes);
    QCOMPARE(int(league_->calendar.fixtures.size()), fixtures);
    QCOMPARE(tableBytes(*league_), bytes);
}

QTEST_APPLESS_MAIN(TestSeasonSection)
#include "tst_core_season_section.moc"
