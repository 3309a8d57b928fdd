#include "ui/document/leaguedocument.h"

#include "core/competition/matchcount.h"
#include "core/files/tablefile.h"
#include "core/files/wholefile.h"
#include "core/import/importapply.h"
#include "core/league/standings.h"
#include "core/recovery/recoverycopy.h"
#include "ui/document/calendarcommands.h"
#include "ui/document/leaguecommands.h"

#include <QUndoStack>

LeagueDocument::LeagueDocument(QObject *parent)
    : QObject(parent), league_(std::make_unique<soccer::League>()),
      undoStack_(new QUndoStack(this)) {}

LeagueDocument::~LeagueDocument() = default;

// The models keep the shape they announced until they hear of the new table; nothing reads
// them in between, since the signal follows the read at once.
// The fingerprint is taken of the very bytes read, so that a write by another program just
// after the read is still seen at the next save.
void LeagueDocument::load(const QString &path) {
    const QByteArray bytes = soccer::readWholeFile(path);
    loadNotes_ = soccer::parseTable(bytes, *league_);
    league_->tablePath = path;
    fileAsKnown_ = soccer::FileFingerprint::ofBytes(bytes);
    startAfresh();
}

void LeagueDocument::load(const std::function<void(soccer::League &)> &read) {
    auto league = std::make_unique<soccer::League>();
    read(*league);
    league_ = std::move(league);
    fileAsKnown_ = {};
    startAfresh();
}

void LeagueDocument::startAfresh() {
    ranked_.clear();
    // The steps of the previous table cannot apply to this one.
    undoStack_->clear();
    emit reloaded();
}

void LeagueDocument::loadRecovered(const soccer::RecoveryPart &copy) {
    loadNotes_ = soccer::parseTable(copy.bytes, *league_);
    league_->tablePath = copy.path;
    fileAsKnown_ = copy.loadedFrom;
    ranked_.clear();
    undoStack_->clear();
    undoStack_->resetClean();
    emit reloaded();
}

void LeagueDocument::loadRecovered(const std::function<void(soccer::League &)> &read) {
    load(read);
    undoStack_->resetClean();
}

// The fingerprint is of the file as it now lies on the disk, whatever the writer made of it.
void LeagueDocument::save() {
    soccer::writeTableFile(league_->tablePath, *league_);
    fileAsKnown_ = soccer::FileFingerprint::ofFile(league_->tablePath);
    undoStack_->setClean();
}

void LeagueDocument::save(const std::function<void(const soccer::League &)> &write) {
    write(*league_);
    undoStack_->setClean();
}

void LeagueDocument::saveAs(const QString &path) {
    const QString before = league_->tablePath;
    league_->tablePath = path;
    try {
        save();
    } catch (...) {
        league_->tablePath = before;
        throw;
    }
}

bool LeagueDocument::isModified() const {
    return !undoStack_->isClean();
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
    ScoreCommand::Pair before = ScoreCommand::pairOf(table, row, column);
    // An edition's own rule, or the core's under the table's competition rules.
    const soccer::ScoreChange change =
        scoreRule_ ? scoreRule_(table, row, column, answer)
                   : soccer::enterScore(*league_, half, row, column, answer);
    if (change == soccer::ScoreChange::None)
        return change;
    // The push's redo announces the change.
    undoStack_->push(new ScoreCommand(*this, half, row, column, std::move(before),
                                      ScoreCommand::pairOf(table, row, column), change));
    return change;
}

// Names the statistics of `teams` that differ from `before` (in the same order).
void LeagueDocument::announceStatistics(int half, std::initializer_list<int> teams,
                                        const std::vector<soccer::TeamStats> &before) {
    const soccer::CrossTable &table = league_->crossTables[half];
    std::vector<Statistic> changed;
    auto old = before.begin();
    for (int team : teams) {
        for (int i = 0; i < int(soccer::kCrossTableColumns.size()); ++i) {
            const soccer::Counter counter = soccer::kCrossTableColumns[std::size_t(i)].counter;
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
    const QString &old = league_->teamNames[team];
    renameTeams(QStringLiteral("переименование команды ") + old, {{team, old}}, {{team, name}});
}

void LeagueDocument::renameAll(const std::vector<QString> &names) {
    NamesCommand::Names before;
    NamesCommand::Names after;
    for (int team = 1; team <= league_->teamCount && team < int(names.size()); ++team) {
        before.push_back({team, league_->teamNames[team]});
        after.push_back({team, names[std::size_t(team)]});
    }
    renameTeams(QStringLiteral("переименование команд"), std::move(before), std::move(after));
}

// A renaming that keeps every name is no step, but it is announced all the same: the grid
// that showed the names as they were typed takes the table's back.
void LeagueDocument::renameTeams(const QString &stepText, NamesCommand::Names before,
                                 NamesCommand::Names after) {
    if (before != after) {
        undoStack_->push(new NamesCommand(*this, stepText, std::move(before), std::move(after)));
        return;
    }
    std::vector<int> teams;
    for (const auto &kept : after)
        teams.push_back(kept.first);
    emit namesChanged(teams);
}

void LeagueDocument::clearResults() {
    undoStack_->push(new ClearCommand(*this));
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
    if (!(league_->rankingRule == rule))
        undoStack_->push(new RuleCommand(*this, league_->rankingRule, rule));
}

void LeagueDocument::setCounting(const soccer::RankingRule &rule,
                                 const soccer::PointsScheme &points,
                                 soccer::TechnicalCounting technical) {
    changeCompetition(QStringLiteral("выбор правил турнира"), [&](soccer::League &league) {
        league.rankingRule = rule;
        league.competition.points = points;
        league.competition.technical = technical;
        soccer::recountStatistics(league);
    });
}

void LeagueDocument::changeCompetition(const QString &stepText,
                                       const std::function<void(soccer::League &)> &change) {
    std::unique_ptr<CompetitionCommand::State> before = CompetitionCommand::stateOf(*league_);
    change(*league_);
    // The push's redo sets the table as the change left it and announces it.
    undoStack_->push(new CompetitionCommand(*this, stepText, std::move(before),
                                            CompetitionCommand::stateOf(*league_)));
}

void LeagueDocument::applyImport(const soccer::ImportPlan &plan) {
    soccer::ImportUndo applied = soccer::applyImport(*league_, plan);
    ranked_.clear();
    emit reloaded();
    if (applied.applied)
        undoStack_->push(new ImportCommand(*this, plan, std::move(applied)));
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

void LeagueDocument::setRelegationPlaces(int places) {
    if (league_->competition.relegationPlaces != places)
        undoStack_->push(
            new RelegationCommand(*this, league_->competition.relegationPlaces, places));
}

void LeagueDocument::setCalendar(const QString &stepText, soccer::Calendar calendar) {
    if (league_->calendar == calendar)
        return;
    undoStack_->push(new CalendarCommand(*this, stepText, league_->calendar, std::move(calendar)));
}
