// The organiser's decisions about teams: points docked or given, a team withdrawn or taken
// back. Each is one step on the undo stack.
#include "core/competition/withdrawal.h"
#include "ui/dialogs/frmdeduct.h"
#include "ui/dialogs/frmwithdraw.h"
#include "ui/document/leaguedocument.h"
#include "ui/main/frmtable.h"
#include "ui/main/tablegrid.h"

#include <algorithm>

// The team of the row the user stands on in the grid in front; the first team otherwise.
int frmtable::currentTeam() const {
    if (MSF->isVisible()) {
        const int row = MSF->currentRow();
        return row >= 1 && row <= document_->teamCount() ? league().standingsOrder[row] : 1;
    }
    const TableGrid *grid = ms1->isVisible() ? ms1 : MS;
    return std::clamp(grid->currentRow(), 1, std::max(document_->teamCount(), 1));
}

void frmtable::prodeduct() {
    frmdeduct::create(
        this, league(), currentTeam(), [this](const frmdeduct::Adjustments &adjustments) {
            if (adjustments == league().competition.adjustments)
                return;
            document_->changeCompetition(
                QStringLiteral("снятие очков"),
                [&](soccer::League &league) { league.competition.adjustments = adjustments; });
            if (MSF->isVisible())
                protable();
        });
}

void frmtable::prowithdraw() {
    frmwithdraw::create(
        this, league(), currentTeam(),
        [this](int team, std::optional<soccer::WithdrawalChoice> choice) {
            if (choice)
                document_->changeCompetition(
                    QStringLiteral("снятие команды"),
                    [&](soccer::League &league) { soccer::withdrawTeam(league, team, *choice); });
            else
                document_->changeCompetition(
                    QStringLiteral("возвращение команды"),
                    [&](soccer::League &league) { soccer::takeBackWithdrawal(league, team); });
            if (MSF->isVisible())
                protable();
        });
}
