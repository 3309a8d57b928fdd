// Renaming one team or every team, and clearing the whole table.
#include "core/league/league.h"
#include "ui/document/leaguedocument.h"
#include "ui/document/teamrename.h"
#include "ui/main/crosstablemodel.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/failures.h"
#include "ui/platform/nameprompt.h"
#include "ui/platform/prompts.h"

#include <algorithm>
#include <vector>

using mainlayout::kTitle;

// A dismissed prompt keeps the name.
void frmtable::renameTeam(int team) {
    document::renameTeam(this, *document_, team);
}

// The whole sequence is one change of the table, made when every name has been asked; the
// cross-table 1 grid shows each name as it is typed, cross-table 2 only the finished set. A
// dismissed prompt keeps that team's name, and the sequence goes on with the next team.
void frmtable::prorename() {
    if (platform::message(this, QStringLiteral("Вы хотите переименовать команды?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return;
    MS->setCurrentCell(std::max(MS->currentRow(), 0), 1);
    std::vector<QString> names(std::size_t(document_->teamCount()) + 1);
    for (int team = 1; team <= document_->teamCount(); ++team) {
        const QString current = league().teamNames[team];
        names[std::size_t(team)] =
            platform::askTeamName(this,
                                  QStringLiteral("Введите имя ") + platform::printedNumber(team) +
                                      QStringLiteral(" команды"),
                                  current)
                .value_or(current);
        crossModels_[0]->showTypedName(team, names[std::size_t(team)]);
    }
    document_->renameAll(names);
}

void frmtable::proclear() {
    if (platform::message(this, QStringLiteral("Вы хотите очистить всю таблицу?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return;
    // Both cross-tables end up shown; the one the user was looking at stays in front.
    TableGrid *front = ms1->isVisible() ? ms1 : MS;
    hide();
    document_->clearResults();
    MS->show();
    ms1->show();
    front->raise();
    platform::message(this, QStringLiteral("ОК"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
    show();
}
