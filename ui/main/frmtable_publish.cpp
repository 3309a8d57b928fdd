// The commands that take the table further or bring results in: the tournament rules,
// printing, export and import.
#include "core/errors.h"
#include "core/importapply.h"
#include "publish/exportfile.h"
#include "publish/printpreview.h"
#include "ui/dialogs/frmimport.h"
#include "ui/dialogs/frmrules.h"
#include "ui/main/frmtable.h"
#include "ui/main/leaguedocument.h"
#include "ui/main/mainlayout.h"
#include "ui/main/tablegrid.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QFileInfo>

using mainlayout::kTitle;

namespace {

// The prompt layer reports only the path chosen, not the filter, so the extension decides
// the format; a CSV file holds the results table.
QList<platform::FileFilter> exportFilters() {
    return {{QStringLiteral("Веб-страница (*.html)"), QStringLiteral("*.html")},
            {QStringLiteral("Таблица CSV (*.csv)"), QStringLiteral("*.csv")},
            {QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("*.pdf")}};
}

// The format of `path` by its extension; a name without one becomes a web page.
publish::ExportFormat exportFormatOf(QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return publish::ExportFormat::Csv;
    if (suffix == QLatin1String("pdf"))
        return publish::ExportFormat::Pdf;
    if (suffix != QLatin1String("html") && suffix != QLatin1String("htm"))
        path += QStringLiteral(".html");
    return publish::ExportFormat::Html;
}

} // namespace

void frmtable::prorules() {
    frmrules::create(this, league(), [this](const soccer::RankingRule &rule) {
        if (rule == league().rankingRule)
            return;
        document_->setRankingRule(rule);
        if (MSF->isVisible())
            protable();
    });
}

void frmtable::proprint() {
    publish::printWithPreview(this, league());
}

void frmtable::proexport() {
    std::optional<QString> chosen = platform::saveFileName(this, exportFilters());
    if (!chosen)
        return;
    QString path = *chosen;
    publish::ExportRequest request;
    request.format = exportFormatOf(path);
    try {
        publish::exportFile(path, league(), request);
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
