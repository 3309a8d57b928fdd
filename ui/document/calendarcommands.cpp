#include "ui/document/calendarcommands.h"

#include "ui/document/leaguedocument.h"

#include <utility>

CalendarCommand::CalendarCommand(LeagueDocument &document, const QString &text,
                                 soccer::Calendar before, soccer::Calendar after)
    : LeagueCommand(document, text), before_(std::move(before)), after_(std::move(after)) {}

void CalendarCommand::undo() {
    put(before_);
}

void CalendarCommand::redo() {
    put(after_);
}

void CalendarCommand::put(const soccer::Calendar &calendar) {
    league().calendar = calendar;
    emit document_.calendarChanged();
}
