#pragma once

class LeagueDocument;
class QWidget;

namespace document {

// Asks for a new name of `team`, its name offered; a name given renames the team as one step
// of the document's undo stack. The same question in both editions.
void renameTeam(QWidget *parent, LeagueDocument &document, int team);

} // namespace document
