#pragma once

#include "core/season/calendar.h"
#include "ui/document/leaguecommands.h"

// The calendar replaced as one step: a draw, a match moved to another round or date, or home
// and away swapped. Only the calendar changes; the results stay in their cells, which are
// where the calendar looks them up.
class CalendarCommand : public LeagueCommand {
  public:
    CalendarCommand(LeagueDocument &document, const QString &text, soccer::Calendar before,
                    soccer::Calendar after);

    void undo() override;
    void redo() override;

  private:
    void put(const soccer::Calendar &calendar);

    soccer::Calendar before_;
    soccer::Calendar after_;
};
