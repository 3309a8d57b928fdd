#pragma once

#include "core/league/league.h"
#include "core/publish/publishedseason.h"
#include "core/publish/publishedtables.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The one call behind every export, from the window and from the command line.
namespace publish {

enum class ExportFormat { Html, Csv, Pdf };

struct ExportRequest {
    ExportFormat format = ExportFormat::Html;
    // One table, or none for the full publication; a CSV file holds one table, the results by
    // default.
    std::optional<soccer::PublishedTableKind> table;
    // The results table after a round or a date, home or away, with form and places.
    soccer::SeasonPublishing season;
};

std::vector<soccer::PublishedTableKind> exportedTables(const soccer::League &league,
                                                       const ExportRequest &request);

// What an export publishes on `date`: the tables chosen, and after the full publication of a
// season with rounds played, on paper and on the web page, the chart of places.
soccer::Publication exportedPublication(const soccer::League &league, const ExportRequest &request,
                                        QDate date);

// The file's bytes: the league's tables as published on `date`, the title taken from the
// league's table path. Empty only when a PDF cannot be made.
QByteArray exportBytes(const soccer::League &league, const ExportRequest &request, QDate date);
// The second half of that, after exportedPublication (which counts by the core alone, so that
// any thread may count the places, which may take long): the bytes of the file in the format.
QByteArray publicationBytes(const soccer::Publication &publication, ExportFormat format);

// A PDF document of the publication on A4 pages.
QByteArray pdfBytes(const soccer::Publication &publication);

// Writes the export, dated today, through a temporary file that takes the name only when
// complete, so that a failure leaves no partial file behind. Failures are soccer::CoreError
// with the error number and the Russian text the user is shown.
void exportFile(const QString &path, const soccer::League &league, const ExportRequest &request);
// The same for tables already counted, dated as they were.
void exportFile(const QString &path, const soccer::Publication &publication, ExportFormat format);

} // namespace publish
