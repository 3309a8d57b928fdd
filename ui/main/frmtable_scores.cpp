// Clicks on the cross-tables: a score entered for a pair, the offer to rename a team, and the
// caption that names the match under the pointer.
#include "core/league/league.h"
#include "ui/document/leaguedocument.h"
#include "ui/main/crosstablemodel.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/prompts.h"

#include <QLabel>
#include <algorithm>
#include <vector>

using namespace mainlayout;

namespace {

constexpr int kNameColumn = 1;

// Finds the cells that a coordinate in twips lies on, with inclusive bounds: a point on a
// border belongs to both neighbours, and the caller takes the first that suits it.
std::vector<int> cellsAt(int position, int firstCellStart, int cellSize, int cellCount) {
    std::vector<int> found;
    for (int k = std::max(1, (position - firstCellStart) / cellSize); k <= cellCount; ++k) {
        const int start = firstCellStart + (k - 1) * cellSize;
        if (start > position)
            break;
        if (position <= start + cellSize)
            found.push_back(k);
    }
    return found;
}

} // namespace

void frmtable::MS_Click() {
    scoreClick(half(1));
}

void frmtable::ms1_Click() {
    scoreClick(half(2));
}

void frmtable::scoreClick(const Half &own) {
    const int n = document_->teamCount();
    const int row = own.grid->currentRow();
    const int column = own.grid->currentColumn();
    const bool teamRow = row >= 1 && row <= n;
    if (teamRow && column == kNameColumn) {
        if (platform::message(
                this, QStringLiteral("Вы хотите переименовать ") + league().teamNames[row], kTitle,
                platform::Buttons::YesNo, platform::Icon::Information) == platform::Answer::Yes)
            renameTeam(row);
        return;
    }
    const int opponent = column - 1;
    if (teamRow && opponent >= 1 && opponent <= n && opponent != row)
        enterScore(own, row, opponent);
}

// A dismissed prompt changes nothing; an empty answer confirmed with OK deletes the result.
void frmtable::enterScore(const Half &own, int r, int c) {
    const std::optional<QString> answer =
        platform::input(this,
                        QStringLiteral("Введите счет между:  ") + league().teamNames[r] +
                            QStringLiteral("  ") + league().teamNames[c],
                        kTitle, QStringLiteral("0 0"));
    if (answer)
        document_->enterScore(own.index, r, c, *answer);
}

void frmtable::MS_MouseMove(int, int, int x, int y) {
    showMatch(half(1), x, y);
}

void frmtable::ms1_MouseMove(int, int, int x, int y) {
    showMatch(half(2), x, y);
}

// Names the match under the pointer in okno; the first cell in row-by-row order wins on a
// border, and a team's own cell never counts.
void frmtable::showMatch(const Half &own, int x, int y) {
    const soccer::League &shown = league();
    const int n = shown.teamCount;
    const soccer::CrossTable &table = shown.crossTables[own.index];
    for (int team : cellsAt(y, kRowHeight, kRowHeight, n)) {
        for (int opponent : cellsAt(x, kScoreCellsLeft, kScoreColumnWidth, n)) {
            if (opponent == team)
                continue;
            okno->setText(shown.teamNames[team] + QStringLiteral(" ") +
                          table.cells[team][opponent] + QStringLiteral(" ") +
                          shown.teamNames[opponent]);
            return;
        }
    }
    okno->clear();
}
