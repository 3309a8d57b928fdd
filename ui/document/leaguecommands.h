#pragma once

#include "core/import/importapply.h"
#include "core/import/importplan.h"
#include "core/league/league.h"
#include "core/league/score.h"

#include <QString>
#include <QUndoCommand>
#include <array>
#include <memory>
#include <utility>
#include <vector>

class LeagueDocument;

// The steps of the undo stack, one class a kind of change. Each keeps what the table held
// before and after and sets it back directly rather than replaying the change the other way:
// a table read from a file may hold texts and statistics that the score rules cannot take
// back, and an undo must still give them back exactly. Each step announces what it set with
// the document's own signals, so the grids follow an undo as they follow the change.
class LeagueCommand : public QUndoCommand {
  protected:
    LeagueCommand(LeagueDocument &document, const QString &text);

    soccer::League &league();
    void announceStatistics(int half, int row, int column, const soccer::TeamStats &rowBefore,
                            const soccer::TeamStats &columnBefore);
    void forgetRanking();
    LeagueDocument &document_;
};

// A result entered, changed or deleted: both cells of the pair and both teams' statistics.
class ScoreCommand : public LeagueCommand {
  public:
    struct Pair {
        QString cell;   // [row][column]
        QString mirror; // [column][row]
        soccer::TeamStats rowStats;
        soccer::TeamStats columnStats;
    };
    static Pair pairOf(const soccer::CrossTable &table, int row, int column);

    // Made after the change: the first redo sets `after` once more and announces it.
    ScoreCommand(LeagueDocument &document, int half, int row, int column, Pair before, Pair after,
                 soccer::ScoreChange change);

    void undo() override;
    void redo() override;

  private:
    void put(const Pair &to, const Pair &from);

    int half_;
    int row_;
    int column_;
    Pair before_;
    Pair after_;
};

// The names of some teams: one team renamed, or the whole renaming sequence as one step.
class NamesCommand : public LeagueCommand {
  public:
    using Names = std::vector<std::pair<int, QString>>; // team and its name

    NamesCommand(LeagueDocument &document, const QString &text, Names before, Names after);

    void undo() override;
    void redo() override;

  private:
    void put(const Names &names);

    Names before_;
    Names after_;
};

// Every score and statistic of both halves emptied.
class ClearCommand : public LeagueCommand {
  public:
    explicit ClearCommand(LeagueDocument &document);

    void undo() override;
    void redo() override;

  private:
    // Both cross-tables before; their texts are shared with the League until it changes them.
    std::unique_ptr<std::array<soccer::CrossTable, 2>> before_;
};

// An import of results, made before it is pushed: a redo applies the same plan again to the
// table that the undo restored.
class ImportCommand : public LeagueCommand {
  public:
    ImportCommand(LeagueDocument &document, const soccer::ImportPlan &plan,
                  soccer::ImportUndo applied);

    void undo() override;
    void redo() override;

  private:
    soccer::ImportPlan plan_;
    soccer::ImportUndo undo_;
    bool pending_ = false; // the import is in the table and the push's redo has yet to come
};

// The choice of the tournament rules.
class RuleCommand : public LeagueCommand {
  public:
    RuleCommand(LeagueDocument &document, soccer::RankingRule before, soccer::RankingRule after);

    void undo() override;
    void redo() override;

  private:
    soccer::RankingRule before_;
    soccer::RankingRule after_;
};

// A change of the competition's rules (points per result, how technical results count,
// points docked, a team withdrawn), with whatever it recounted or filled: the rules, the
// ranking rule and both cross-tables as they were before and after, set back whole.
class CompetitionCommand : public LeagueCommand {
  public:
    struct State {
        std::array<soccer::CrossTable, 2> halves;
        soccer::CompetitionRules competition;
        soccer::RankingRule rankingRule;
    };
    static std::unique_ptr<State> stateOf(const soccer::League &league);

    // Made after the change: the first redo sets `after` once more and announces it.
    CompetitionCommand(LeagueDocument &document, const QString &text, std::unique_ptr<State> before,
                       std::unique_ptr<State> after);

    void undo() override;
    void redo() override;

  private:
    void put(const State &state);

    std::unique_ptr<State> before_;
    std::unique_ptr<State> after_;
};

// The number of last places that go down. A spin box changes it one by one: the changes in a
// row make one step, from the first number to the last.
class RelegationCommand : public LeagueCommand {
  public:
    RelegationCommand(LeagueDocument &document, int before, int after);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;

  private:
    void put(int places);

    int before_;
    int after_;
};
