#pragma once

#include "core/league/league.h"
#include "core/publish/placeschart.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The tables of a league as they are published on paper, on a web page or in a spreadsheet:
// rows of texts under headers, built once from a League and then written by any writer
// (HTML, CSV, terminal text, PDF) without knowing which table it is.
namespace soccer {

// Rounds: the season's calendar, round by round (core/publish/publishedrounds.h).
enum class PublishedTableKind { Results, FirstHalf, SecondHalf, Rounds };

// What a column holds; writers choose alignment, width and markup from it.
enum class ColumnRole {
    Place,      // the place in the ranking: "1", or a shared place such as "5–6"
    TeamNumber, // the team's number in a cross-table
    TeamName,   // the name as stored: the header of its row
    Score,      // a cross-table cell: "2: 1"
    Statistic,  // a number as the grids show it
    Text,       // any other text, left-aligned
    Reason,     // why a team stands above the next one: "по забитым мячам: 50 – 38"
};

struct PublishedColumn {
    QString header;
    QString description; // what the header stands for, when it says less (a team's name)
    ColumnRole role = ColumnRole::Text;
    bool points = false; // the points: what a reader looks for first, kept in view on a phone
};

struct PublishedCell {
    QString text;
    bool ownMatch = false; // a cross-table cell in which a team would meet itself
};

struct PublishedTable {
    PublishedTableKind kind = PublishedTableKind::Results;
    QString caption;
    std::vector<PublishedColumn> columns;
    std::vector<std::vector<PublishedCell>> rows; // every row has one cell per column
    // Lines printed under the table: the organiser's decisions behind a marked figure.
    QStringList notes;

    // The leading columns that say whose row it is (place or number, and the name): printed
    // again on every page that shows a later part of the row.
    int rowHeaderColumns() const;
};

// Everything one export holds: the title of the table file, the day it is published and the
// tables in the order they are printed; a full publication of a season with rounds played
// adds the chart of places after them.
struct Publication {
    QString title;
    QDate date;
    std::vector<PublishedTable> tables;
    std::optional<PublishedChart> chart;
};

// The full Russian header of a statistic: "Игры", "Поражения", ..., "Очки".
QString statisticHeader(Counter counter);

// Whether the results table under this rule has the column "Основание". The program's rule
// ranks as the results table always has, and its table is published as it always was.
bool publishesReasons(const RankingRule &rule);

// The results table in the order of the league's ranking rule, whatever order the league holds
// now: place (shared places as "5–6"), team, the seven totals in screen order and the goal
// difference; under any rule but the program's also the reason for each place.
PublishedTable publishedResults(const League &league);
// A column a results table over time adds (core/publish/publishedseason.h): its text by team,
// after the team's name or at the end of the row.
struct AddedColumn {
    PublishedColumn column;
    std::function<QString(int team)> text;
    bool afterName = false;
};
// The results table with the added columns, each where it asks to stand.
PublishedTable publishedResults(const League &league, const std::vector<AddedColumn> &added);
// Cross-table 1 or 2: number, team, one score column per team, the half's seven statistics.
PublishedTable publishedCrossTable(const League &league, int half);
PublishedTable publishedTable(const League &league, PublishedTableKind kind);

// The name of the table file without its folder and extension: "PRIMER" for "c:/t/PRIMER.TFL".
QString publicationTitle(const QString &tablePath);

Publication publication(const League &league, const std::vector<PublishedTableKind> &kinds,
                        QDate date);
// The tables a full publication holds: results first, then both halves, then for a table with
// a calendar the rounds.
std::vector<PublishedTableKind> fullPublicationKinds(const League &league);
// The tables of fullPublicationKinds.
Publication fullPublication(const League &league, QDate date);

} // namespace soccer
