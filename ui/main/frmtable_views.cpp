// The main window's views (cross-table 1, cross-table 2, results table, and the round view of
// frmtable_rounds.cpp) and the order of the results table.
#include "core/league/columns.h"
#include "ui/document/leaguedocument.h"
#include "ui/main/frmtable.h"
#include "ui/main/placeschartview.h"
#include "ui/main/resultsmodel.h"
#include "ui/main/roundview.h"
#include "ui/main/seasonview.h"
#include "ui/main/tablegrid.h"

#include <QAction>

void frmtable::showView(View view) {
    // The selectors choose between the results grid of old and the table over time. They
    // need the rounds of a calendar: a table without one shows its results table as it always
    // has, and nothing beside it.
    const bool selectors = view == View::Results && !league().calendar.empty();
    const bool overTime = selectors && !frseason->isPlain();
    frseason->setVisible(selectors);
    frseason->grid()->setVisible(overTime);
    MSF->setVisible(view == View::Results && !overTime);
    ms1->setVisible(view == View::CrossTable2);
    MS->setVisible(view == View::CrossTable1);
    tours->setVisible(view == View::Rounds);
    chart->setVisible(view == View::Chart);
    // The keys move through the view on show, so that a season can be kept without a mouse.
    if (view == View::Rounds)
        tours->takeFocus();
    else if (view == View::Chart)
        chart->setFocus();
    else if (overTime)
        frseason->grid()->setFocus();
    else
        (view == View::Results ? MSF : view == View::CrossTable2 ? ms1 : MS)->setFocus();
    mnuchess->setEnabled(view != View::CrossTable1);
    mnuchess1->setEnabled(view != View::CrossTable2);
    mnutable->setEnabled(view != View::Results);
    mnutours->setEnabled(view != View::Rounds);
    mnuchart->setEnabled(view != View::Chart);
    // Renaming and clearing act on a cross-table's current cell or are offered beside it.
    const bool crossTable = view == View::CrossTable1 || view == View::CrossTable2;
    mnurename->setEnabled(crossTable);
    mnuclear->setEnabled(crossTable);
}

void frmtable::prochess() {
    showView(View::CrossTable1);
}

void frmtable::prochess1() {
    showView(View::CrossTable2);
}

void frmtable::protable() {
    document_->rank();
    fillResults();
}

// A click on a statistic's header orders the table by what that column orders by; any other
// click keeps the order.
void frmtable::MSF_Click() {
    const soccer::StatisticColumn *statistic = resultsModel_->statisticAt(MSF->currentColumn());
    if (MSF->currentRow() == 0 && statistic)
        document_->orderBy(*statistic);
    fillResults();
}

// Shows the results table in the standings order, the last place's points current, and
// place 1 and the headers in view however many teams there are.
void frmtable::fillResults() {
    MSF->setCurrentCell(document_->teamCount(), MSF->columnCount() - 1);
    fitResultsWidth();
    showView(View::Results);
    MSF->scrollToTopLeft();
}
