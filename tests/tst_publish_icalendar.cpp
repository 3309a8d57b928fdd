// The iCalendar file of a drawn season, read back by libical: one all-day event a dated match,
// stable and distinct UIDs, and nothing for a match without a date.
#include "core/season/draw.h"
#include "publish/icalendar.h"

#include <QtTest>
#include <libical/ical.h>
#include <memory>
#include <set>

using namespace soccer;

namespace {

struct Event {
    std::string uid;
    QDate day;
    QString summary;
};

std::vector<Event> eventsOf(const QByteArray &bytes) {
    icalcomponent *calendar = icalparser_parse_string(bytes.constData());
    std::vector<Event> events;
    if (calendar == nullptr)
        return events;
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         e != nullptr; e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        events.push_back({icalcomponent_get_uid(e),
                          start.is_date ? QDate(start.year, start.month, start.day) : QDate(),
                          QString::fromUtf8(icalcomponent_get_summary(e))});
    }
    icalcomponent_free(calendar);
    return events;
}

} // namespace

class TestIcalendar : public QObject {
    Q_OBJECT

  private slots:
    void twentyTeamSeasonReadsBack();
    void undatedMatchesAndMovesKeepTheirUid();
};

void TestIcalendar::twentyTeamSeasonReadsBack() {
    auto league = std::make_unique<League>();
    league->teamCount = 20;
    league->tablePath = "/tmp/Лига.TFL";
    for (int t = 1; t <= 20; ++t)
        league->teamNames[t] = QStringLiteral("Команда %1").arg(t);
    DrawOptions options;
    options.firstDate = QDate(2026, 8, 1);
    league->calendar = drawCalendar(20, options);
    const QByteArray bytes =
        publish::icalendarBytes(*league, QDateTime(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC));
    QVERIFY(bytes.startsWith("BEGIN:VCALENDAR\r\n"));
    QVERIFY(bytes.contains("DTSTAMP:20260701T120000Z"));
    const std::vector<Event> events = eventsOf(bytes);
    QCOMPARE(int(events.size()), 380);
    std::set<std::string> uids;
    for (const Event &e : events)
        uids.insert(e.uid);
    QCOMPARE(int(uids.size()), 380);
    const Fixture &first = league->calendar.fixtures.front();
    QCOMPARE(events.front().day, QDate(2026, 8, 1));
    QCOMPARE(events.front().summary,
             QStringLiteral("Команда %1 – Команда %2").arg(first.home).arg(first.away));
    QCOMPARE(events.back().day, QDate(2026, 8, 1).addDays(7 * 37));
}

void TestIcalendar::undatedMatchesAndMovesKeepTheirUid() {
    auto league = std::make_unique<League>();
    league->teamCount = 4;
    DrawOptions options;
    options.firstDate = QDate(2026, 8, 1);
    league->calendar = drawCalendar(4, options);
    const QDateTime stamp(QDate(2026, 7, 1), QTime(), Qt::UTC);
    const std::vector<Event> before = eventsOf(publish::icalendarBytes(*league, stamp));
    league->calendar.fixtures[0].date = {};
    Fixture &moved = league->calendar.fixtures[1];
    moved.date = QDate(2026, 9, 30);
    std::swap(moved.home, moved.away);
    const std::vector<Event> after = eventsOf(publish::icalendarBytes(*league, stamp));
    QCOMPARE(int(before.size()), 12);
    QCOMPARE(int(after.size()), 11);
    QCOMPARE(after[0].uid, before[1].uid);
    QCOMPARE(after[0].day, QDate(2026, 9, 30));
    QVERIFY(after[0].uid != after[1].uid);
}

QTEST_APPLESS_MAIN(TestIcalendar)
#include "tst_publish_icalendar.moc"
