#include "ui/main/leaguedocument.h"

#include "core/importapply.h"
#include "core/standings.h"
#include "core/tablefile.h"
#include "core/wholefile.h"

LeagueDocument::LeagueDocument(QObject *parent)
    : QObject(parent), league_(std::make_unique<soccer::League>()) {}

LeagueDocument::~LeagueDocument() = default;

// The models keep the shape they announced until they hear of the new table; nothing reads
// them in between, since the signal follows the read at once.
// The fingerprint is taken of the very bytes read, so that a write by another program just
// after the read is still seen at the next save.
void LeagueDocument::load(const QString &path) {
    const QByteArray bytes = soccer::readWholeFile(path);
    soccer::parseTable(bytes, *league_);
    league_->tablePath = path;
    fileAsKnown_ = soccer::FileFingerprint::ofBytes(bytes);
    modified_ = false;
    ranked_.clear();
    emit reloaded();
}

// The fingerprint is of the file as it now lies on the disk, whatever the writer made of it.
void LeagueDocument::save() {
    soccer::writeTableFile(league_->tablePath, *league_);
    fileAsKnown_ = soccer::FileFingerprint::ofFile(league_->tablePath);
    modified_ = false;
}

void LeagueDocument::setTablePath(const QString &path) {
    league_->tablePath = path;
    fileAsKnown_ = {};
}

bool LeagueDocument::fileChangedOnDisk() const {
    if (fileAsKnown_.isOfNothing())
        return false;
    const soccer::FileFingerprint now = soccer::FileFingerprint::ofFile(league_->tablePath);
    return !now.isOfNothing() && now != fileAsKnown_;
}

soccer::ScoreChange LeagueDocument::enterScore(int half, int row, int column,
                                               const QString &answer) {
    soccer::CrossTable &table = league_->crossTables[half];
    const std::vector<soccer::TeamStats> before = {table.stats[row], table.stats[column]};
    const soccer::ScoreChange change = soccer::enterScore(table, row, column, answer);
    if (change == soccer::ScoreChange::None)
        return change;
    noteChange();
    emit matchesChanged(half, {{row, column}, {column, row}});
    announceStatistics(half, {row, column}, before);
    return change;
}

// Names the statistics of `teams` that differ from `before` (in the same order).
void LeagueDocument::announceStatistics(int half, std::initializer_list<int> teams,
                                        const std::vector<soccer::TeamStats> &before) {
    const soccer::CrossTable &table = league_->crossTables[half];
    std::vector<Statistic> changed;
    auto old = before.begin();
    for (int team : teams) {
        for (int i = 0; i < soccer::kStatisticColumnCount; ++i) {
            const soccer::Counter counter = soccer::kStatisticColumns[i].counter;
            if (soccer::counterValue(table.stats[team], counter) !=
                soccer::counterValue(*old, counter))
                changed.push_back({team, i});
        }
        ++old;
    }
    if (!changed.empty())
        emit statisticsChanged(half, changed);
}

void LeagueDocument::rename(int team, const QString &name) {
    if (league_->teamNames[team] != name)
        noteChange();
    league_->teamNames[team] = name;
    emit namesChanged({team});
}

void LeagueDocument::renameAll(const std::vector<QString> &names) {
    std::vector<int> teams;
    for (int team = 1; team <= league_->teamCount && team < int(names.size()); ++team) {
        if (league_->teamNames[team] != names[team])
            noteChange();
        league_->teamNames[team] = names[team];
        teams.push_back(team);
    }
    emit namesChanged(teams);
}

void LeagueDocument::clearResults() {
    soccer::clearResults(*league_);
    noteChange();
    emit resultsCleared();
}

// The program's rule gives exactly the order rankTeams gives, so the default table ranks as
// it always has.
void LeagueDocument::rank() {
    ranked_ = soccer::rankByRule(*league_);
    emit resultsOrderChanged();
}

bool LeagueDocument::hasOwnRule() const {
    return !(league_->rankingRule == soccer::RankingRule{});
}

void LeagueDocument::setRankingRule(const soccer::RankingRule &rule) {
    if (league_->rankingRule == rule)
        return;
    noteChange();
    league_->rankingRule = rule;
}

void LeagueDocument::applyImport(const soccer::ImportPlan &plan) {
    soccer::applyImport(*league_, plan);
    noteChange();
    ranked_.clear();
    emit reloaded();
}

void LeagueDocument::orderBy(const soccer::StatisticColumn &column) {
    if (column.ordering == soccer::Ordering::ByRankingRule)
        return rank();
    ranked_.clear();
    soccer::orderByCounter(*league_, column.counter);
    emit resultsOrderChanged();
}

void LeagueDocument::setColors(const soccer::ColorScheme &colors) {
    if (league_->colors == colors)
        return;
    league_->colors = colors;
    emit colorsChanged();
}
