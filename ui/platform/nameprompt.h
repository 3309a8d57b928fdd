#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace platform {

// Asks for a team name, offering `current`, until the answer is one that a table file keeps as
// typed. A refused answer is explained with the critical icon and offered again to be mended;
// one that code page 1251 cannot hold is offered in its nearest spelling that it can. Nothing
// when the user dismissed the prompt: the caller keeps the name the team had.
std::optional<QString> askTeamName(QWidget *parent, const QString &question,
                                   const QString &current);

} // namespace platform
