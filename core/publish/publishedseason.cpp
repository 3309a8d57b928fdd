#include "core/publish/publishedseason.h"

#include "core/season/roundtext.h"

#include <memory>

namespace soccer {

namespace {

QString sideText(MatchSide side) {
    switch (side) {
    case MatchSide::Home:
        return QStringLiteral(" — дома");
    case MatchSide::Away:
        return QStringLiteral(" — в гостях");
    case MatchSide::All:
        break;
    }
    return {};
}

// The columns keep the computed table alive: the published rows are built after it is made.
std::vector<AddedColumn> addedColumns(const std::shared_ptr<const SeasonTable> &table,
                                      const SeasonPublishing &season) {
    std::vector<AddedColumn> added;
    if (season.columns.movement && season.view.afterRound > 0)
        added.push_back(
            {{QStringLiteral("±"), QStringLiteral("Изменение места за тур"), ColumnRole::Text},
             [table](int team) { return table->movement[team]; },
             true});
    if (season.columns.form)
        added.push_back({{QStringLiteral("Последние 5"),
                          QStringLiteral("Последние пять результатов: В, Н, П"), ColumnRole::Text},
                         [table](int team) { return formText(table->form[team]); }});
    if (season.columns.places)
        added.push_back(
            {{QStringLiteral("Места"),
              QStringLiteral("Лучшее и худшее место, которые ещё возможны"), ColumnRole::Text},
             [table](int team) { return placesCellText(table->places.value(team - 1)); }});
    return added;
}

} // namespace

QString seasonCaption(const TableView &view) {
    QString caption = QStringLiteral("Таблица результатов");
    if (view.afterRound > 0)
        caption += QStringLiteral(" после тура %1").arg(view.afterRound);
    if (view.upToDate.isValid())
        caption += QStringLiteral(" на ") + roundDateText(view.upToDate);
    return caption + sideText(view.side);
}

QString placesCellText(const TeamPlaces &places) {
    return placesText(places) + (places.isFinal() ? QString() : QStringLiteral("*"));
}

PublishedTable publishedSeasonResults(const League &league, const SeasonPublishing &season) {
    auto table = std::make_shared<const SeasonTable>(
        seasonTable(league, season.view, season.columns, season.places));
    PublishedTable published = publishedResults(*table->league, addedColumns(table, season));
    published.caption = seasonCaption(season.view);
    return published;
}

Publication seasonPublication(const League &league, const std::vector<PublishedTableKind> &kinds,
                              QDate date, const SeasonPublishing &season) {
    Publication result = publication(league, kinds, date);
    if (season.isPlain())
        return result;
    for (PublishedTable &table : result.tables) {
        if (table.kind == PublishedTableKind::Results)
            table = publishedSeasonResults(league, season);
    }
    return result;
}

} // namespace soccer
