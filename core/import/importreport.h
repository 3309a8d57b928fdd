#pragma once

#include "core/import/importplan.h"

#include <QString>

// The words of an import, shared by the preview window and the command line.
namespace soccer {

// The whole report, one fact a line: how the file was read, the naming (done or offered),
// what goes into each cross-table, the conflicts, the lines that cannot be used and those
// that put a team into one round twice. Each list
// shows at most kListedLines entries and then says how many more there are.
QString importReport(const ImportPlan &plan);

constexpr int kListedLines = 1000;

// "CSV, разделитель «;», UTF-8, строка заголовка есть"
QString sourceText(const ImportSource &source);
// Why the table's names do not fit and what can be done; empty when nothing is offered.
QString offerText(const ImportPlan &plan);
// "Матчей со счётом в файле: 12, без счёта (пропущены): 2"
QString matchesText(const ImportPlan &plan);
// "Шахматная таблица (1): будет внесено 3 результата"
QString enteredText(const ImportPlan &plan, int half);
// "Уже в таблице с тем же счётом: 2 результата"; empty when there is none.
QString sameText(const ImportPlan &plan);
// "строка 7: неизвестная команда «Зенитт»"
QString problemText(const LineProblem &problem);
// "строка 12: Шахматная таблица (1), Спартак – Динамо: в таблице 2:1, в файле 1:1"
QString conflictText(const ImportPlan &plan, const PlannedResult &result);
// conflictText and what becomes of the conflict: "… — остаётся счёт таблицы"
QString conflictChoiceText(const ImportPlan &plan, const PlannedResult &result);

} // namespace soccer
