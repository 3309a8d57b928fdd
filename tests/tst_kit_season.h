#pragma once

// The Bundesliga 2015/16 season as openfootball JSON (team1 at home, its matchday and date),
// written here from the shared CSV and imported into a blank table, calendar and all: shared by
// the tests of the import and of the tables over time.
#include "core/files/tablefile.h"
#include "core/import/importapply.h"
#include "core/import/importplan.h"
#include "core/import/importreader.h"
#include "tst_bundesliga_kit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace seasonkit {

inline QJsonObject jsonMatch(const bundesliga::Match &match) {
    return QJsonObject{
        {QStringLiteral("round"), QStringLiteral("Matchday ") + match.round},
        {QStringLiteral("date"), match.date},
        {QStringLiteral("team1"), match.home},
        {QStringLiteral("team2"), match.away},
        {QStringLiteral("score"),
         QJsonObject{{QStringLiteral("ft"), QJsonArray{match.homeGoals, match.awayGoals}}}}};
}

// openfootball's layout: { "name": ..., "matches": [ ... ] }.
inline QByteArray flatJson() {
    QJsonArray matches;
    for (const bundesliga::Match &match : bundesliga::readMatches())
        matches.append(jsonMatch(match));
    const QJsonObject root{{QStringLiteral("name"), QStringLiteral("Bundesliga 2015/16")},
                           {QStringLiteral("matches"), matches}};
    return QJsonDocument(root).toJson();
}

inline std::unique_ptr<soccer::League> blankTable(int teamCount) {
    auto league = std::make_unique<soccer::League>();
    soccer::parseTable(soccer::blankTableBytes(teamCount), *league);
    return league;
}

// The season imported with the teams named as in the file (in their storable spelling).
inline std::unique_ptr<soccer::League> importedSeason() {
    auto league = blankTable(18);
    soccer::ImportOptions options;
    options.naming = soccer::TeamNaming::FromFile;
    soccer::applyImport(*league,
                        soccer::planImport(*league, soccer::readImportBytes(flatJson()), options));
    return league;
}

} // namespace seasonkit
