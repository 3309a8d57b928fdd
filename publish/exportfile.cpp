#include "publish/exportfile.h"

#include "core/files/wholefile.h"
#include "core/league/errors.h"
#include "core/publish/csvtable.h"
#include "core/publish/htmlpage.h"
#include "publish/pagepainter.h"

#include <QBuffer>
#include <QPdfWriter>

namespace publish {

namespace {

// Error number of a document that could not be made at all (not a file fault).
constexpr int kNotMade = soccer::ErrDeviceIo;

} // namespace

std::vector<soccer::PublishedTableKind> exportedTables(const soccer::League &league,
                                                       const ExportRequest &request) {
    if (request.table)
        return {*request.table};
    if (request.format == ExportFormat::Csv)
        return {soccer::PublishedTableKind::Results};
    return soccer::fullPublicationKinds(league);
}

soccer::Publication exportedPublication(const soccer::League &league, const ExportRequest &request,
                                        QDate date) {
    soccer::Publication publication =
        soccer::seasonPublication(league, exportedTables(league, request), date, request.season);
    // The chart belongs to the whole season's publication, not to one table chosen alone.
    if (!request.table && request.format != ExportFormat::Csv)
        publication.chart = soccer::publishedChart(league);
    return publication;
}

QByteArray pdfBytes(const soccer::Publication &publication) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(publication.title);
        writer.setCreator(QStringLiteral("soccer"));
        if (!paintPublication(writer, publication))
            return {};
    }
    return buffer.data();
}

QByteArray exportBytes(const soccer::League &league, const ExportRequest &request, QDate date) {
    return publicationBytes(exportedPublication(league, request, date), request.format);
}

QByteArray publicationBytes(const soccer::Publication &publication, ExportFormat format) {
    switch (format) {
    case ExportFormat::Csv:
        return soccer::csvTable(publication.tables.front());
    case ExportFormat::Pdf:
        return pdfBytes(publication);
    case ExportFormat::Html:
        break;
    }
    return soccer::htmlPage(publication);
}

void exportFile(const QString &path, const soccer::League &league, const ExportRequest &request) {
    exportFile(path, exportedPublication(league, request, QDate::currentDate()), request.format);
}

void exportFile(const QString &path, const soccer::Publication &publication, ExportFormat format) {
    const QByteArray bytes = publicationBytes(publication, format);
    if (bytes.isEmpty())
        throw soccer::CoreError(kNotMade, path);
    soccer::saveWholeFile(path, bytes);
}

} // namespace publish
