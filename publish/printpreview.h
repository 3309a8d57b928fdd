#pragma once

#include "core/league/league.h"
#include "core/publish/publishedseason.h"

class QWidget;

// Printing from the window: the only part of publishing that needs the printer and widget
// libraries, kept apart so that the command-line tool links without them.
namespace publish {

// Shows the print preview of all three tables, dated today, over `parent`; the user prints
// from it. The pages are those of the PDF export, the results table as `season` chooses it.
void printWithPreview(QWidget *parent, const soccer::League &league,
                      const soccer::SeasonPublishing &season = {});

} // namespace publish
