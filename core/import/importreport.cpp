#include "core/import/importreport.h"

#include "core/league/score.h"

#include <QStringList>

namespace soccer {

namespace {

// "1 результат", "3 результата", "5 результатов".
QString countOf(int n, const char *one, const char *few, const char *many) {
    const int tens = n % 100;
    const int units = n % 10;
    const char *word = many;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            word = one;
        else if (units >= 2 && units <= 4)
            word = few;
    }
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(word);
}

QString teamsCount(int n) {
    return countOf(n, "команда", "команды", "команд");
}

QString resultsCount(int n) {
    return countOf(n, "результат", "результата", "результатов");
}

QString separatorName(QChar separator) {
    return separator == u'\t' ? QStringLiteral("табуляция") : QStringLiteral("«%1»").arg(separator);
}

QString lineLabel(int line) {
    return line > 0 ? QStringLiteral("строка %1").arg(line) : QStringLiteral("строка не известна");
}

QString teamName(const ImportPlan &plan, int team) {
    return plan.teamNames.value(team - 1).trimmed();
}

QString tableScoreText(const QString &cell) {
    double x = 0;
    double y = 0;
    if (!splitScoreText(cell, x, y))
        return cell;
    return statisticText(x) + QLatin1Char(':') + statisticText(y);
}

QString numberedNames(const QStringList &names) {
    QStringList lines;
    for (qsizetype i = 0; i < names.size(); ++i)
        lines.append(QStringLiteral("  %1. %2").arg(i + 1).arg(names[i].trimmed()));
    return lines.join(QLatin1Char('\n'));
}

QString namingText(const ImportPlan &plan) {
    switch (plan.options.naming) {
    case TeamNaming::TableNames:
        return offerText(plan);
    case TeamNaming::FromFile:
        return QStringLiteral("Команды таблицы будут названы по файлу:\n") +
               numberedNames(plan.teamNames);
    case TeamNaming::NewTable:
        break;
    }
    return QStringLiteral("Будет создана новая таблица на %1:\n").arg(teamsCount(plan.teamCount)) +
           numberedNames(plan.teamNames);
}

// A heading and its entries, cut after kListedLines.
template <typename Entries, typename Text>
void appendList(QStringList &lines, const QString &heading, const Entries &entries, Text text) {
    lines.append(heading);
    int listed = 0;
    for (const auto &entry : entries) {
        if (listed == kListedLines) {
            lines.append(QStringLiteral("  … и ещё %1").arg(qsizetype(entries.size()) - listed));
            return;
        }
        lines.append(QStringLiteral("  ") + text(entry));
        ++listed;
    }
}

void appendCounts(QStringList &lines, const ImportPlan &plan) {
    for (int half = 1; half <= 2; ++half)
        lines.append(enteredText(plan, half));
    const QString same = sameText(plan);
    if (!same.isEmpty())
        lines.append(same);
}

void appendConflicts(QStringList &lines, const ImportPlan &plan) {
    std::vector<const PlannedResult *> conflicts;
    for (const PlannedResult &result : plan.results) {
        if (result.state == PlannedResult::State::Conflict)
            conflicts.push_back(&result);
    }
    if (conflicts.empty())
        return;
    appendList(lines, QStringLiteral("Расхождения с таблицей (%1):").arg(int(conflicts.size())),
               conflicts,
               [&plan](const PlannedResult *result) { return conflictChoiceText(plan, *result); });
}

} // namespace

QString sourceText(const ImportSource &source) {
    QStringList parts;
    if (source.format == ImportFormat::Json) {
        parts.append(QStringLiteral("JSON"));
    } else {
        parts.append(QStringLiteral("CSV"));
        parts.append(QStringLiteral("разделитель ") + separatorName(source.separator));
    }
    parts.append(encodingName(source.encoding));
    if (source.format == ImportFormat::Csv)
        parts.append(source.header ? QStringLiteral("строка заголовка есть")
                                   : QStringLiteral("без строки заголовка"));
    return parts.join(QStringLiteral(", "));
}

QString offerText(const ImportPlan &plan) {
    if (plan.offer == NamingOffer::None)
        return {};
    const QString why = plan.defaultNames
                            ? QStringLiteral("У команд таблицы названия по умолчанию (1 … %1).")
                                  .arg(plan.tableTeamCount)
                            : QStringLiteral("Ни одна команда файла не найдена в таблице.");
    if (plan.offer == NamingOffer::FromFile)
        return why + QStringLiteral(" Можно назвать команды таблицы по файлу (%1 в порядке "
                                    "первого появления).")
                         .arg(teamsCount(int(plan.fileTeams.size())));
    return why + QStringLiteral(" В файле %1, в таблице %2: можно создать новую таблицу с "
                                "командами файла.")
                     .arg(teamsCount(int(plan.fileTeams.size())))
                     .arg(plan.tableTeamCount);
}

QString matchesText(const ImportPlan &plan) {
    QString text = QStringLiteral("Матчей со счётом в файле: %1").arg(plan.fileMatches);
    if (plan.withoutScore > 0)
        text += QStringLiteral(", без счёта (пропущены): %1").arg(plan.withoutScore);
    return text;
}

QString enteredText(const ImportPlan &plan, int half) {
    return QStringLiteral("Шахматная таблица (%1): будет внесено %2")
        .arg(half)
        .arg(resultsCount(plan.enteredCount(half)));
}

QString sameText(const ImportPlan &plan) {
    const int same =
        plan.count(1, PlannedResult::State::Same) + plan.count(2, PlannedResult::State::Same);
    if (same == 0)
        return {};
    return QStringLiteral("Уже в таблице с тем же счётом: %1").arg(resultsCount(same));
}

QString problemText(const LineProblem &problem) {
    return lineLabel(problem.line) + QStringLiteral(": ") + problem.reason;
}

QString conflictText(const ImportPlan &plan, const PlannedResult &result) {
    const QString fileScore = result.technical.isEmpty()
                                  ? QStringLiteral("%1:%2").arg(result.homeGoals).arg(result.awayGoals)
                                  : result.technical;
    return QStringLiteral("%1: Шахматная таблица (%2), %3 – %4: в таблице %5, в файле %6")
        .arg(lineLabel(result.line))
        .arg(result.half)
        .arg(teamName(plan, result.home), teamName(plan, result.away),
             tableScoreText(result.tableScore), fileScore);
}

QString conflictChoiceText(const ImportPlan &plan, const PlannedResult &result) {
    return conflictText(plan, result) + (result.takeFile
                                             ? QStringLiteral(" — будет записан счёт файла")
                                             : QStringLiteral(" — остаётся счёт таблицы"));
}

QString importReport(const ImportPlan &plan) {
    QStringList lines;
    if (plan.source.decoded)
        lines.append(QStringLiteral("Файл: ") + sourceText(plan.source));
    if (!plan.usable()) {
        lines.append(QStringLiteral("Импорт невозможен: ") + plan.problem);
        if (!offerText(plan).isEmpty())
            lines.append(offerText(plan));
        return lines.join(QLatin1Char('\n'));
    }
    lines.append(matchesText(plan));
    const QString naming = namingText(plan);
    if (!naming.isEmpty())
        lines.append(naming);
    appendCounts(lines, plan);
    appendConflicts(lines, plan);
    if (!plan.problems.empty())
        appendList(lines,
                   QStringLiteral("Строки, которые нельзя использовать (%1):")
                       .arg(int(plan.problems.size())),
                   plan.problems, problemText);
    if (!plan.roundNotes.empty())
        appendList(lines,
                   QStringLiteral("Строки, где команда дважды в одном туре (внесены как есть, "
                                  "%1):")
                       .arg(int(plan.roundNotes.size())),
                   plan.roundNotes, problemText);
    return lines.join(QLatin1Char('\n'));
}

} // namespace soccer
