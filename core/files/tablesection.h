#pragma once

#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/league/league.h"

#include <QLatin1StringView>
#include <QStringList>
#include <span>

namespace soccer {

// The part of a table file after the last team name, where the table keeps what the older
// layout has no place for: its ranking rule, and more as the program learns more. A reader of
// the older layout stops at the last name and never sees it; a table that keeps nothing there
// is the same file as ever.
//
// One line an entry, "kind: value" ("ranking-rule: head-to-head-first"), read line by line:
// the values hold commas and quotes that the list-input rules would split. Each kind belongs
// to one part of the program. Lines of a kind this version does not know, and values a part
// could not take, are kept as they were and written back after the parts' own lines, so that a
// table written by a newer version loses nothing when this one saves it.
struct SectionPart {
    QLatin1StringView kind; // without the ": " that follows it in the file
    // Sets the part's members of `into` from the values of all its lines, in file order; from
    // none when the file has no such line. Returns the values it could not take; adds at most
    // one message to `notes` for what it kept unread or dropped.
    QStringList (*read)(const QStringList &values, League &into, QStringList &notes);
    // The values of the lines the part writes; none while the table uses nothing of it.
    QStringList (*write)(const League &league);
};

// Every part, in the order their lines are written.
std::span<const SectionPart> sectionParts();

// Reads the rest of `reader` (the lines after the last name) into `into`: every part's
// members and League::keptSectionLines. Never fails; what it could not take is in the notes.
QStringList readTableSection(ListReader &reader, League &into);
void writeTableSection(LineWriter &writer, const League &league);

// The kind of a section line ("ranking-rule" of "ranking-rule: x"); empty when the line has
// none.
QStringView sectionKindOf(QStringView line);

} // namespace soccer
