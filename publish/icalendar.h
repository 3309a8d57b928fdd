#pragma once

#include "core/league/league.h"

#include <QByteArray>
#include <QDateTime>

// The season's calendar as an iCalendar file (RFC 5545) for the teams' own calendars.
namespace publish {

// One all-day event for every dated match of the league's calendar, "Хозяева – Гости" on the
// match's day. Each event's UID names the table and the pair in its half, so a calendar sent
// again after a match has moved updates the event instead of adding a second one. `stamp` is
// the moment the file is made (every event's DTSTAMP). Written and checked by libical.
QByteArray icalendarBytes(const soccer::League &league, const QDateTime &stamp);

} // namespace publish
