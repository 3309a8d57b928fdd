#pragma once

#include "core/publish/publishedtables.h"
#include "core/season/seasontable.h"

namespace soccer {

// What a publication shows of the season over time: the view of its results table and the
// columns added to it. The default is the results table as it always was.
struct SeasonPublishing {
    TableView view;
    SeasonColumns columns;
    PlacesOptions places;

    bool isPlain() const { return view.isWhole() && !columns.any(); }
};

// "Таблица результатов после тура 17 — дома", "Таблица результатов на 12.10.2026".
QString seasonCaption(const TableView &view);
// "1–4", with "*" after bounds the time budget left open.
QString placesCellText(const TeamPlaces &places);

// The results table of the view, with "±" after the name when a round is chosen and asked for,
// and "Последние 5" and "Места" at the end when asked for.
PublishedTable publishedSeasonResults(const League &league, const SeasonPublishing &season);

// The publication of these tables, its results table as the season publishing asks.
Publication seasonPublication(const League &league, const std::vector<PublishedTableKind> &kinds,
                              QDate date, const SeasonPublishing &season);

} // namespace soccer
