// The main window's three views (cross-table 1, cross-table 2, results table) and the order
// of the results table.
#include "core/league/columns.h"
#include "ui/document/leaguedocument.h"
#include "ui/main/frmtable.h"
#include "ui/main/resultsmodel.h"
#include "ui/main/tablegrid.h"

#include <QAction>

void frmtable::showView(View view) {
    MSF->setVisible(view == View::Results);
    ms1->setVisible(view == View::CrossTable2);
    MS->setVisible(view == View::CrossTable1);
    // The keys move through the grid on show, so that a season can be kept without a mouse.
    (view == View::Results ? MSF : view == View::CrossTable2 ? ms1 : MS)->setFocus();
    mnuchess->setEnabled(view != View::CrossTable1);
    mnuchess1->setEnabled(view != View::CrossTable2);
    mnutable->setEnabled(view != View::Results);
    mnurename->setEnabled(view != View::Results);
    mnuclear->setEnabled(view != View::Results);
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
