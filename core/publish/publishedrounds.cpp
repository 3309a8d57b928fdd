#include "core/publish/publishedrounds.h"

#include "core/season/matches.h"
#include "core/season/roundtext.h"

#include <algorithm>

namespace soccer {

namespace {

std::vector<PublishedColumn> roundColumns() {
    return {{QStringLiteral("Дата"), {}, ColumnRole::Text},
            {QStringLiteral("Тур"), {}, ColumnRole::Statistic},
            {QStringLiteral("Хозяева"), {}, ColumnRole::Text},
            {QStringLiteral("Гости"), {}, ColumnRole::Text},
            {QStringLiteral("Счёт"), {}, ColumnRole::Score}};
}

void addFreeTeams(PublishedTable &table, const League &league,
                  const std::vector<SeasonMatch> &matches, int round, QDate date) {
    for (int team : freeTeams(matches, round, league.teamCount)) {
        table.rows.push_back({{roundDateText(date)},
                              {QString::number(round)},
                              {league.teamNames[team]},
                              {QStringLiteral("свободна")},
                              {}});
    }
}

} // namespace

PublishedTable publishedRounds(const League &league) {
    PublishedTable table;
    table.kind = PublishedTableKind::Rounds;
    table.caption = QStringLiteral("Календарь");
    table.columns = roundColumns();
    if (league.calendar.empty())
        return table;
    std::vector<SeasonMatch> matches = seasonMatches(league);
    std::stable_sort(matches.begin(), matches.end(),
                     [](const SeasonMatch &a, const SeasonMatch &b) { return a.round < b.round; });
    for (size_t i = 0; i < matches.size(); ++i) {
        const SeasonMatch &m = matches[i];
        if (m.round == 0)
            continue;
        table.rows.push_back({{roundDateText(m.date)},
                              {QString::number(m.round)},
                              {league.teamNames[m.home]},
                              {league.teamNames[m.away]},
                              {resultText(m.result)}});
        if (i + 1 == matches.size() || matches[i + 1].round != m.round)
            addFreeTeams(table, league, matches, m.round, m.date);
    }
    return table;
}

} // namespace soccer
