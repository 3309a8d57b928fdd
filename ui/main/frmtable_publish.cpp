// The commands that take the table further or bring results in: the tournament rules,
// printing, export and import.
#include "core/import/importapply.h"
#include "core/league/errors.h"
#include "publish/exportfile.h"
#include "publish/printpreview.h"
#include "ui/dialogs/frmimport.h"
#include "ui/dialogs/frmrules.h"
#include "ui/document/leaguedocument.h"
#include "ui/main/exportworker.h"
#include "ui/main/frmtable.h"
#include "ui/main/mainlayout.h"
#include "ui/main/seasonview.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/confirmreplace.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QFileInfo>
#include <optional>

using mainlayout::kTitle;

namespace {

// What each filter of the export dialog writes: the format, and for a CSV file, which table.
struct ExportChoice {
    platform::FileFilter filter;
    publish::ExportFormat format;
    std::optional<soccer::PublishedTableKind> table;
};

// The filters of the export dialog; a table with a calendar also offers its rounds.
QList<ExportChoice> exportChoices(const soccer::League &league) {
    using publish::ExportFormat;
    using Kind = soccer::PublishedTableKind;
    QList<ExportChoice> choices = {
        {{QStringLiteral("Веб-страница (*.html)"), QStringLiteral("*.html")},
         ExportFormat::Html,
         std::nullopt},
        {{QStringLiteral("Таблица результатов, CSV (*.csv)"), QStringLiteral("*.csv")},
         ExportFormat::Csv,
         Kind::Results},
        {{QStringLiteral("Шахматная таблица (1), CSV (*.csv)"), QStringLiteral("*.csv")},
         ExportFormat::Csv,
         Kind::FirstHalf},
        {{QStringLiteral("Шахматная таблица (2), CSV (*.csv)"), QStringLiteral("*.csv")},
         ExportFormat::Csv,
         Kind::SecondHalf},
        {{QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("*.pdf")},
         ExportFormat::Pdf,
         std::nullopt}};
    if (!league.calendar.empty())
        choices.append({{QStringLiteral("Туры, CSV (*.csv)"), QStringLiteral("*.csv")},
                        ExportFormat::Csv,
                        Kind::Rounds});
    return choices;
}

QList<platform::FileFilter> exportFilters(const QList<ExportChoice> &choices) {
    QList<platform::FileFilter> filters;
    for (const ExportChoice &choice : choices)
        filters << choice.filter;
    return filters;
}

std::optional<publish::ExportFormat> formatOfSuffix(const QString &suffix) {
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("html") || lower == QLatin1String("htm"))
        return publish::ExportFormat::Html;
    if (lower == QLatin1String("csv"))
        return publish::ExportFormat::Csv;
    if (lower == QLatin1String("pdf"))
        return publish::ExportFormat::Pdf;
    return std::nullopt;
}

// A known extension typed by the user decides the format, whatever filter is shown, as the
// user sees the name and not the filter; any other name is written in the filter's format and
// gets its extension. A CSV file holds the table of the CSV filter chosen, else the results.
publish::ExportRequest exportRequestFor(const QList<ExportChoice> &choices, QString &path,
                                        int filter) {
    const ExportChoice choice = choices.value(filter, choices.front());
    publish::ExportRequest request;
    const std::optional<publish::ExportFormat> typed = formatOfSuffix(QFileInfo(path).suffix());
    request.format = typed.value_or(choice.format);
    if (!typed)
        path += choice.filter.pattern.mid(1);
    if (request.format == publish::ExportFormat::Csv)
        request.table = choice.format == publish::ExportFormat::Csv
                            ? choice.table
                            : soccer::PublishedTableKind::Results;
    return request;
}

} // namespace

void frmtable::prorules() {
    frmrules::create(this, league(), [this](const frmrules::Choice &choice) {
        const soccer::CompetitionRules &now = league().competition;
        if (choice.points != now.points || choice.technical != now.technical)
            document_->setCounting(choice.rule, choice.points, choice.technical);
        else if (choice.rule != league().rankingRule)
            document_->setRankingRule(choice.rule);
        else
            return;
        if (MSF->isVisible())
            protable();
    });
}

void frmtable::proprint() {
    publish::printWithPreview(this, league(), frseason->publishing());
}

void frmtable::proexport() {
    const QList<ExportChoice> choices = exportChoices(league());
    const std::optional<platform::SaveChoice> chosen =
        platform::saveFileNameAndFilter(this, exportFilters(choices));
    if (!chosen)
        return;
    QString path = chosen->path;
    publish::ExportRequest request = exportRequestFor(choices, path, chosen->filter);
    // The results table is published as the window shows it.
    request.season = frseason->publishing();
    // The dialog leaves replacing to the program, as for tables: a page published last week
    // is not written over without a word.
    if (!platform::confirmReplace(this, path))
        return;
    // The places may take long: the tables are counted away from the window, which is free
    // meanwhile, and the file is written once they are.
    exports_->start(league(), request,
                    [this, path, format = request.format](const soccer::Publication &publication) {
                        writeExport(path, publication, format);
                    });
}

void frmtable::writeExport(const QString &path, const soccer::Publication &publication,
                           publish::ExportFormat format) {
    try {
        publish::exportFile(path, publication, format);
    } catch (const soccer::CoreError &error) {
        platform::message(
            this, platform::failureText(QStringLiteral("Таблица не экспортирована."), path, error),
            kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return;
    }
    platform::message(this, QStringLiteral("Экспорт завершён"), kTitle, platform::Buttons::Ok,
                      platform::Icon::Information);
}

void frmtable::proimport() {
    const std::optional<QString> path = platform::openFileName(this, importFileFilters());
    if (!path)
        return;
    frmimport::create(this, league(), *path, [this](const soccer::ImportPlan &plan) {
        document_->applyImport(plan);
        shapeGrids();
        showView(View::CrossTable1);
    });
}
