// Renaming one team or every team, and clearing the whole table.
#include "core/league.h"
#include "ui/main/crosstablemodel.h"
#include "ui/main/frmtable.h"
#include "ui/main/leaguedocument.h"
#include "ui/main/mainlayout.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <algorithm>
#include <vector>

using mainlayout::kTitle;

void frmtable::renameTeam(int team) {
    const QString name = league().teamNames[team];
    document_->rename(team, askName(QStringLiteral("Введите новое имя команды ") + name, name));
}

// Asks for a team name until it is one that the table file keeps as typed; the refused
// answer is offered again so that the user only has to mend it.
QString frmtable::askName(const QString &question, const QString &current) {
    QString offered = current;
    for (;;) {
        const QString answer = platform::input(this, question, kTitle, offered);
        const soccer::TextProblem problem = soccer::tableTextProblem(answer);
        if (problem == soccer::TextProblem::None)
            return answer;
        platform::message(this, soccer::tableTextProblemMessage(problem), kTitle,
                          platform::Buttons::Ok, platform::Icon::Critical);
        offered = answer;
    }
}

// The whole sequence is one change of the table, made when every name has been asked; the
// cross-table 1 grid shows each name as it is typed, cross-table 2 only the finished set.
void frmtable::prorename() {
    if (platform::message(this, QStringLiteral("Вы хотите переименовать команды?"), kTitle,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return;
    MS->setCurrentCell(std::max(MS->currentRow(), 0), 1);
    std::vector<QString> names(std::size_t(document_->teamCount()) + 1);
    for (int team = 1; team <= document_->teamCount(); ++team) {
        names[std::size_t(team)] =
            askName(QStringLiteral("Введите имя ") + platform::printedNumber(team) +
                        QStringLiteral(" команды"),
                    league().teamNames[team]);
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
