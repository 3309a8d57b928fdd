#include "ui/document/teamrename.h"

#include "ui/document/leaguedocument.h"
#include "ui/platform/nameprompt.h"

namespace document {

void renameTeam(QWidget *parent, LeagueDocument &document, int team) {
    const QString name = document.league().teamNames[team];
    const std::optional<QString> renamed =
        platform::askTeamName(parent, QStringLiteral("Введите новое имя команды ") + name, name);
    if (renamed)
        document.rename(team, *renamed);
}

} // namespace document
