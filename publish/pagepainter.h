#pragma once

#include "core/publish/publishedtables.h"
#include "publish/pageplan.h"

class QPagedPaintDevice;
class QPainter;

namespace publish {

// One planned page, numbered `number` of `count`, on a painter of any device: the device's
// resolution sets the scale, and the painter is left at the page's top left corner.
void paintPage(QPainter &painter, const soccer::Publication &publication, const PlannedPage &page,
               int number, int count);

// Paints every page that planPages() plans on a paged device that nobody paints on yet (a
// PDF writer, a printer, a print preview): A4 pages with the title and date on top, the header
// row and the columns that name the rows repeated on every page, and "Страница N из M" at the
// foot. By table, each page is turned as its table needs; a printer, which keeps one
// orientation for the whole document, is given its own orientation and must be set to print
// on the full page. False when the device cannot be painted on.
bool paintPublication(QPagedPaintDevice &device, const soccer::Publication &publication,
                      Orientation orientation = Orientation::ByTable);

} // namespace publish
