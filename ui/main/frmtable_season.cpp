// The results table over time beside the results grid: its selectors in the room left of the
// grid, and its own grid in the grid's place while the selectors choose anything but the table
// as it always was.
#include "ui/document/leaguedocument.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/main/seasonview.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/look.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

using namespace mainlayout;

namespace {

// The selectors keep a little room from the window's edge and from the results grid.
constexpr int kSelectorsMargin = 120;

} // namespace

void frmtable::buildSeasonView() {
    frseason = new SeasonView(document_, centralWidget(), centralWidget());
    frseason->setGeometry(platform::twipsToPixelsX(kSelectorsMargin),
                          platform::twipsToPixelsY(kGridTop),
                          platform::twipsToPixelsX(kResultsLeft - 2 * kSelectorsMargin),
                          frseason->sizeHint().height());
    frseason->hide();
    frseason->grid()->setGeometry(MSF->geometry());
    connect(frseason, &SeasonView::viewChanged, this, [this] {
        fitSeasonGrid();
        showView(View::Results);
    });
    connect(frseason, &SeasonView::placesShown, this, &frmtable::fitSeasonGrid);
    // A calendar drawn or taken away while the results are shown brings or takes the selectors.
    connect(document_, &LeagueDocument::calendarChanged, this, [this] {
        if (MSF->isVisible() || frseason->isVisible())
            showView(View::Results);
    });
}

// The grid starts where the results grid does and grows to the right as its columns need,
// moving left over the selectors' room only when the window is too narrow.
void frmtable::fitSeasonGrid() {
    QTableView *grid = frseason->grid();
    const int room = centralWidget()->width();
    int wanted = grid->verticalHeader()->width() + 2 * grid->frameWidth() + 24;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        wanted += grid->columnWidth(column);
    const int layoutLeft = platform::twipsToPixelsX(kResultsLeft);
    const int width = std::min(std::max(wanted, MSF->width()), room);
    const int left = std::max(0, std::min(layoutLeft, room - width));
    grid->setGeometry(left, MSF->y(), width, MSF->height());
}
