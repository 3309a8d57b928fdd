#include "publish/icalendar.h"

#include "core/publish/publishedtables.h"

#include <QCryptographicHash>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace publish {

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dayOf(QDate date) {
    icaltimetype day = icaltime_null_date();
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    return day;
}

icaltimetype utcOf(const QDateTime &moment) {
    const QDateTime utc = moment.toUTC();
    icaltimetype time = icaltime_null_time();
    time.year = utc.date().year();
    time.month = utc.date().month();
    time.day = utc.date().day();
    time.hour = utc.time().hour();
    time.minute = utc.time().minute();
    time.second = utc.time().second();
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

// The table's title may be any text; a digest of it keeps the UID plain ASCII.
QByteArray uidOf(const QByteArray &tableDigest, const soccer::Fixture &fixture) {
    const auto [low, high] = std::minmax(fixture.home, fixture.away);
    return QStringLiteral("%1-%2-%3-%4@soccer")
        .arg(QString::fromLatin1(tableDigest))
        .arg(fixture.half)
        .arg(low)
        .arg(high)
        .toLatin1();
}

icalcomponent *eventOf(const soccer::League &league, const soccer::Fixture &fixture,
                       const QByteArray &tableDigest, icaltimetype stamp) {
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event,
                               icalproperty_new_uid(uidOf(tableDigest, fixture).constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(dayOf(fixture.date)));
    icalcomponent_add_property(event, icalproperty_new_dtend(dayOf(fixture.date.addDays(1))));
    const QString summary = QStringLiteral("%1 – %2").arg(league.teamNames[fixture.home].trimmed(),
                                                          league.teamNames[fixture.away].trimmed());
    icalcomponent_add_property(event, icalproperty_new_summary(summary.toUtf8().constData()));
    const QString round = QStringLiteral("Тур %1").arg(fixture.round);
    icalcomponent_add_property(event, icalproperty_new_description(round.toUtf8().constData()));
    return event;
}

} // namespace

QByteArray icalendarBytes(const soccer::League &league, const QDateTime &stamp) {
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//soccer//Тарвел//RU"));
    const QString title = soccer::publicationTitle(league.tablePath);
    const QByteArray digest =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const icaltimetype stampTime = utcOf(stamp);
    for (const soccer::Fixture &fixture : league.calendar.fixtures) {
        if (fixture.date.isValid())
            icalcomponent_add_component(calendar.get(),
                                        eventOf(league, fixture, digest, stampTime));
    }
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace publish
