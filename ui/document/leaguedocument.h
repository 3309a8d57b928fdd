#pragma once

#include "core/files/filefingerprint.h"
#include "core/league/columns.h"
#include "core/league/league.h"
#include "core/league/score.h"
#include "core/ranking/ranking.h"
#include "ui/document/leaguecommands.h"

namespace soccer {
struct ImportPlan;
struct RecoveryPart;
} // namespace soccer

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QUndoStack;

// The open table and every change made to it. The window's commands change the League only
// through here, and the grids' models follow the signals, each of which names exactly what
// changed; so a later command (an undo step, an import) that changes the League through these
// methods is shown where it lands and nowhere else.
//
// Every change of the League is a step on the document's undo stack (leaguecommands.h); an
// undone or redone step announces itself with the same signals as the change did. The
// colours and the results order are views of the table, not changes of it.
class LeagueDocument : public QObject {
    Q_OBJECT

  public:
    // A cell of a cross-table: row team against column team, both 1..N.
    struct Match {
        int row;
        int column;
    };
    // One statistic of one team: column is an index into soccer::kCrossTableColumns, the
    // statistics the cross-table grids show.
    struct Statistic {
        int team;
        int column;
    };

    explicit LeagueDocument(QObject *parent = nullptr);
    ~LeagueDocument() override;

    const soccer::League &league() const { return *league_; }
    int teamCount() const { return league_->teamCount; }

    // Replaces the table by the one in the file at `path`, which becomes the table's path.
    // Throws CoreError when the file cannot be read; the table is then left as it was.
    void load(const QString &path);
    // What the last load could not read after the names and kept as it was, or dropped: one
    // message each, to be shown once.
    const QStringList &loadNotes() const { return loadNotes_; }
    // Writes the table to its path and marks the undo stack clean; throws CoreError, leaving
    // the old file intact and the stack as it was.
    void save();
    // The same for a league kept in files of another kind: `read` fills a fresh League (and
    // may throw, leaving the table as it was), and `write` writes the table.
    void load(const std::function<void(soccer::League &)> &read);
    void save(const std::function<void(const soccer::League &)> &write);
    // Replaces the table by the one a recovery copy holds, as changes not yet saved: the
    // table's path and the file it was loaded from are the copy's, the undo stack starts
    // empty and is not clean. Throws CoreError when the copy's bytes are no table.
    void loadRecovered(const soccer::RecoveryPart &copy);
    // The same for a league kept in files of another kind, `read` filling it from the copy.
    void loadRecovered(const std::function<void(soccer::League &)> &read);
    // Writes the table to `path` (Save as), which becomes the table's path only when written.
    void saveAs(const QString &path);
    // A path the user chose to write over (Save as), so its file is not watched until saved.
    void setTablePath(const QString &path);

    // The steps that undo takes back; a load starts it empty.
    QUndoStack *undoStack() const { return undoStack_; }
    // True when the table differs from its file: changed since it was loaded or last saved.
    bool isModified() const;
    // True when something else has written the table's file since this document loaded or
    // saved it. A file that has gone since is not changed: saving simply writes it again.
    bool fileChangedOnDisk() const;
    // The file as this document last read or wrote it.
    const soccer::FileFingerprint &fileAsKnown() const { return fileAsKnown_; }

    // The score rules of a click on cell (row, column) of cross-table `half` (1 or 2): the
    // core's unless an edition has rules of its own.
    using ScoreRule = soccer::ScoreChange (*)(soccer::CrossTable &, int, int, const QString &);
    void setScoreRule(ScoreRule rule) { scoreRule_ = rule; }
    soccer::ScoreChange enterScore(int half, int row, int column, const QString &answer);
    void rename(int team, const QString &name);
    // Every name at once, names[t] for team t (index 0 unused): one step for the whole
    // sequence of renames.
    void renameAll(const std::vector<QString> &names);
    void clearResults();

    // The order of the results table: by the ranking rule, or by what a column orders by.
    void rank();
    void orderBy(const soccer::StatisticColumn &column);
    // The rows of the last ranking by the rule; empty while a counter orders the table.
    const std::vector<soccer::RankedRow> &rankedRows() const { return ranked_; }
    // True when the table ranks by a rule of its own rather than the program's.
    bool hasOwnRule() const;
    void setRankingRule(const soccer::RankingRule &rule);
    // The ranking rule, the points per result and how technical results count, as one step
    // that counts both halves again from their cells.
    void setCounting(const soccer::RankingRule &rule, const soccer::PointsScheme &points,
                     soccer::TechnicalCounting technical);
    // A change of the competition's rules as one step named `stepText`: `change` makes it on
    // the table, recounting whatever it needs to.
    void changeCompetition(const QString &stepText,
                           const std::function<void(soccer::League &)> &change);
    // Brings the planned results (and names, or a new table) in; the grids follow as after a
    // load, since a new table may have another count.
    void applyImport(const soccer::ImportPlan &plan);

    void setColors(const soccer::ColorScheme &colors);

    // The season's calendar replaced by `calendar` as one step named `stepText` (a draw, a
    // match moved, home and away swapped); no step when it is the calendar already.
    void setCalendar(const QString &stepText, soccer::Calendar calendar);

    // How many last places go down, as one step; consecutive changes make one step together.
    void setRelegationPlaces(int places);

  signals:
    // A whole new table: its count, and so the shape of every grid, may differ.
    void reloaded();
    void matchesChanged(int half, const std::vector<Match> &cells);
    void statisticsChanged(int half, const std::vector<Statistic> &statistics);
    void namesChanged(const std::vector<int> &teams);
    // Every score and statistic of both halves (clearing).
    void resultsCleared();
    void resultsOrderChanged();
    void colorsChanged();
    // The calendar: any round may hold other matches now.
    void calendarChanged();
    // The number of last places that go down (the marks, not the counts).
    void relegationChanged();

  private:
    // The steps change the League directly and announce what they changed.
    friend class LeagueCommand;

    void announceStatistics(int half, std::initializer_list<int> teams,
                            const std::vector<soccer::TeamStats> &before);
    void renameTeams(const QString &stepText, NamesCommand::Names before,
                     NamesCommand::Names after);

    void startAfresh();

    std::unique_ptr<soccer::League> league_;
    std::vector<soccer::RankedRow> ranked_;
    ScoreRule scoreRule_ = nullptr; // the core's rule, with the table's points
    QUndoStack *undoStack_;
    // The file as this document last read or wrote it; of nothing while its path is one the
    // document has not written yet.
    soccer::FileFingerprint fileAsKnown_;
    QStringList loadNotes_;
};
