#include "cli/importresults.h"

#include "cli/commandline.h"
#include "cli/exitcodes.h"
#include "core/files/tablefile.h"
#include "core/import/importapply.h"
#include "core/import/importreader.h"
#include "core/import/importreport.h"

#include <QFileInfo>
#include <memory>

namespace cli {

namespace {

using soccer::ImportPlan;
using soccer::TeamNaming;

soccer::ImportOptions optionsOf(const ImportRequest &request) {
    soccer::ImportOptions options;
    options.conflicts = request.conflicts;
    if (request.newTeamCount > 0) {
        options.naming = TeamNaming::NewTable;
        options.newTeamCount = request.newTeamCount;
    } else if (request.rename) {
        options.naming = TeamNaming::FromFile;
    }
    return options;
}

// The table the results go into. A new table replaces everything a table file holds, so with
// --new a file that does not exist yet is a start; a file that exists must still be a table,
// so that a mistyped name never replaces some other file.
std::unique_ptr<soccer::League> tableToImportInto(const ImportRequest &request, QString &problem) {
    if (request.newTeamCount > 0 && !QFileInfo::exists(request.tablePath)) {
        auto league = std::make_unique<soccer::League>();
        league->tablePath = request.tablePath;
        return league;
    }
    return loadLeague(request.tablePath, problem);
}

// The plan of the request. The names a new table gives its teams say nothing, so a table that
// still has them is named from the file whenever the window would offer it.
ImportPlan planOf(const soccer::League &league, const soccer::ImportedFile &file,
                  const ImportRequest &request) {
    soccer::ImportOptions options = optionsOf(request);
    ImportPlan plan = soccer::planImport(league, file, options);
    if (options.naming == TeamNaming::TableNames && plan.offer == soccer::NamingOffer::FromFile &&
        plan.defaultNames) {
        options.naming = TeamNaming::FromFile;
        plan = soccer::planImport(league, file, options);
    }
    return plan;
}

// The window offers its choices as buttons; on the command line they are options.
QString optionHint(const ImportPlan &plan) {
    if (plan.options.naming != TeamNaming::TableNames)
        return {};
    switch (plan.offer) {
    case soccer::NamingOffer::FromFile:
        return QStringLiteral("Назвать команды таблицы по файлу: параметр --rename.\n");
    case soccer::NamingOffer::NewTable:
        return QStringLiteral("Создать новую таблицу с командами файла: параметр --new %1.\n")
            .arg(plan.fileTeams.size());
    case soccer::NamingOffer::None:
        break;
    }
    return {};
}

QString refusedMessage(const ImportPlan &plan) {
    return QStringLiteral("строк отвергнуто: %1; таблица не записана (внести остальные: "
                          "--skip-bad)")
        .arg(plan.problems.size());
}

} // namespace

ImportOutcome importResults(const ImportRequest &request) {
    ImportOutcome outcome;
    const std::unique_ptr<soccer::League> league = tableToImportInto(request, outcome.error);
    if (!league) {
        outcome.exitCode = TableUnreadable;
        return outcome;
    }
    const ImportPlan plan = planOf(*league, soccer::readImportFile(request.resultsPath), request);
    outcome.report = soccer::importReport(plan) + u'\n' + optionHint(plan);
    if (!plan.usable()) {
        outcome.exitCode = TableUnreadable;
        outcome.error = QStringLiteral("импорт невозможен; таблица не записана");
        return outcome;
    }
    if (!plan.problems.empty() && !request.skipBad) {
        outcome.exitCode = TableUnreadable;
        outcome.error = refusedMessage(plan);
        return outcome;
    }
    soccer::applyImport(*league, plan);
    const QString target = request.outputPath.isEmpty() ? request.tablePath : request.outputPath;
    try {
        soccer::writeTableFile(target, *league);
    } catch (const std::exception &error) {
        outcome.exitCode = OutputNotWritten;
        outcome.error = notWrittenMessage(error);
        return outcome;
    }
    outcome.report += QStringLiteral("Таблица записана: %1\n").arg(target);
    outcome.exitCode = Done;
    return outcome;
}

} // namespace cli
