#include "publish/printpreview.h"

#include "core/publish/publishedtables.h"
#include "publish/exportfile.h"
#include "publish/pagepainter.h"
#include "publish/pageplan.h"

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace publish {

namespace {

// Landscape pages for all when any table needs them, so that no table is cut smaller; the
// chart is scaled to whichever way the paper is turned.
bool anyLandscape(const soccer::Publication &publication) {
    for (const PlannedPage &page : planPages(publication)) {
        if (page.setting.landscape && !page.chart)
            return true;
    }
    return false;
}

} // namespace

void printWithPreview(QWidget *parent, const soccer::League &league,
                      const soccer::SeasonPublishing &season) {
    const soccer::Publication publication = exportedPublication(
        league, ExportRequest{ExportFormat::Pdf, std::nullopt, season}, QDate::currentDate());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(anyLandscape(publication) ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
    // The pages carry their own margins.
    printer.setFullPage(true);
    printer.setDocName(publication.title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    // A printer keeps one orientation for the whole document: the one the user has chosen.
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&publication](QPrinter *target) {
            const bool landscape = target->pageLayout().orientation() == QPageLayout::Landscape;
            paintPublication(*target, publication,
                             landscape ? Orientation::Landscape : Orientation::Portrait);
        });
    dialog.exec();
}

} // namespace publish
