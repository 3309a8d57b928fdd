#include "ui/document/leaguecommands.h"

#include "ui/document/leaguedocument.h"

namespace {

// The match as the step names it: the row team first, as the cross-table reads.
QString matchName(const soccer::League &league, int row, int column) {
    return league.teamNames[row] + QStringLiteral(" – ") + league.teamNames[column];
}

QString scoreStepText(soccer::ScoreChange change, bool hadResult) {
    if (change == soccer::ScoreChange::Deleted)
        return QStringLiteral("удаление счёта ");
    return hadResult ? QStringLiteral("изменение счёта ") : QStringLiteral("ввод счёта ");
}

} // namespace

LeagueCommand::LeagueCommand(LeagueDocument &document, const QString &text)
    : QUndoCommand(text), document_(document) {}

soccer::League &LeagueCommand::league() {
    return *document_.league_;
}

void LeagueCommand::announceStatistics(int half, int row, int column,
                                       const soccer::TeamStats &rowBefore,
                                       const soccer::TeamStats &columnBefore) {
    document_.announceStatistics(half, {row, column}, {rowBefore, columnBefore});
}

void LeagueCommand::forgetRanking() {
    document_.ranked_.clear();
}

ScoreCommand::Pair ScoreCommand::pairOf(const soccer::CrossTable &table, int row, int column) {
    return {table.cells[row][column], table.cells[column][row], table.stats[row],
            table.stats[column]};
}

ScoreCommand::ScoreCommand(LeagueDocument &document, int half, int row, int column, Pair before,
                           Pair after, soccer::ScoreChange change)
    : LeagueCommand(document, {}), half_(half), row_(row), column_(column),
      before_(std::move(before)), after_(std::move(after)) {
    setText(scoreStepText(change, !before_.cell.isEmpty()) + matchName(league(), row, column));
}

void ScoreCommand::undo() {
    put(before_, after_);
}

void ScoreCommand::redo() {
    put(after_, before_);
}

// Announces as a score entry does: the pair's two cells, then the statistics that differ
// from `from`.
void ScoreCommand::put(const Pair &to, const Pair &from) {
    soccer::CrossTable &table = league().crossTables[half_];
    table.cells[row_][column_] = to.cell;
    table.cells[column_][row_] = to.mirror;
    table.stats[row_] = to.rowStats;
    table.stats[column_] = to.columnStats;
    emit document_.matchesChanged(half_, {{row_, column_}, {column_, row_}});
    announceStatistics(half_, row_, column_, from.rowStats, from.columnStats);
}

NamesCommand::NamesCommand(LeagueDocument &document, const QString &text, Names before, Names after)
    : LeagueCommand(document, text), before_(std::move(before)), after_(std::move(after)) {}

void NamesCommand::undo() {
    put(before_);
}

void NamesCommand::redo() {
    put(after_);
}

void NamesCommand::put(const Names &names) {
    std::vector<int> teams;
    for (const auto &[team, name] : names) {
        league().teamNames[team] = name;
        teams.push_back(team);
    }
    emit document_.namesChanged(teams);
}

ClearCommand::ClearCommand(LeagueDocument &document)
    : LeagueCommand(document, QStringLiteral("очистку таблицы")),
      before_(std::make_unique<std::array<soccer::CrossTable, 2>>()) {
    (*before_)[0] = league().crossTables[1];
    (*before_)[1] = league().crossTables[2];
}

void ClearCommand::undo() {
    league().crossTables[1] = (*before_)[0];
    league().crossTables[2] = (*before_)[1];
    emit document_.resultsCleared();
}

void ClearCommand::redo() {
    soccer::clearResults(league());
    emit document_.resultsCleared();
}

ImportCommand::ImportCommand(LeagueDocument &document, const soccer::ImportPlan &plan,
                             soccer::ImportUndo applied)
    : LeagueCommand(document, QStringLiteral("импорт результатов")), plan_(plan),
      undo_(std::move(applied)), pending_(true) {}

// A new table may have another count: the grids take their shape again, as after a load.
void ImportCommand::undo() {
    soccer::undoImport(league(), undo_);
    forgetRanking();
    emit document_.reloaded();
}

void ImportCommand::redo() {
    if (pending_) {
        pending_ = false;
        return;
    }
    undo_ = soccer::applyImport(league(), plan_);
    forgetRanking();
    emit document_.reloaded();
}

RuleCommand::RuleCommand(LeagueDocument &document, soccer::RankingRule before,
                         soccer::RankingRule after)
    : LeagueCommand(document, QStringLiteral("выбор правил турнира")), before_(std::move(before)),
      after_(std::move(after)) {}

// The rule changes no cell; the window ranks the shown results table again.
void RuleCommand::undo() {
    league().rankingRule = before_;
}

void RuleCommand::redo() {
    league().rankingRule = after_;
}

std::unique_ptr<CompetitionCommand::State>
CompetitionCommand::stateOf(const soccer::League &league) {
    return std::make_unique<State>(State{
        {league.crossTables[1], league.crossTables[2]}, league.competition, league.rankingRule});
}

CompetitionCommand::CompetitionCommand(LeagueDocument &document, const QString &text,
                                       std::unique_ptr<State> before, std::unique_ptr<State> after)
    : LeagueCommand(document, text), before_(std::move(before)), after_(std::move(after)) {}

void CompetitionCommand::undo() {
    put(*before_);
}

void CompetitionCommand::redo() {
    put(*after_);
}

// Every cell and statistic may have changed: the grids take both halves again, as after
// clearing.
void CompetitionCommand::put(const State &state) {
    league().crossTables[1] = state.halves[0];
    league().crossTables[2] = state.halves[1];
    league().competition = state.competition;
    league().rankingRule = state.rankingRule;
    forgetRanking();
    emit document_.resultsCleared();
}

RelegationCommand::RelegationCommand(LeagueDocument &document, int before, int after)
    : LeagueCommand(document, QStringLiteral("число мест вылета")), before_(before), after_(after) {
}

int RelegationCommand::id() const {
    return 1;
}

bool RelegationCommand::mergeWith(const QUndoCommand *other) {
    after_ = static_cast<const RelegationCommand *>(other)->after_;
    setObsolete(after_ == before_);
    return true;
}

void RelegationCommand::undo() {
    put(before_);
}

void RelegationCommand::redo() {
    put(after_);
}

void RelegationCommand::put(int places) {
    league().competition.relegationPlaces = places;
    emit document_.relegationChanged();
}
