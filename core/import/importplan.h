#pragma once

#include "core/import/importedfile.h"
#include "core/league/league.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace soccer {

// Whose names the imported matches are matched against.
enum class TeamNaming {
    TableNames, // the table's teams, by name (teamKey)
    FromFile,   // the table's teams are renamed after the file's, in order of first appearance;
                // the counts must be equal; results already in the table stay
    NewTable,   // a new table of the file's teams (count 4..99), every cell empty
};

// What happens to a result of the file where the table already has another one.
enum class ConflictChoice { KeepTable, TakeFile };

struct ImportOptions {
    TeamNaming naming = TeamNaming::TableNames;
    // NewTable: the new table's count; 0 takes the file's team count. More teams than the file
    // has get the names a new table gives them (' 17').
    int newTeamCount = 0;
    ConflictChoice conflicts = ConflictChoice::KeepTable;
};

// What the preview may offer when the table's names do not fit the file: its names are the
// defaults (' 1' .. ' N') or none of them is in the file.
enum class NamingOffer { None, FromFile, NewTable };

// One result of the file placed in the table: row team `home`, column team `away`, as the
// score prompt's answer "homeGoals awayGoals" in cross-table `half`.
struct PlannedResult {
    enum class State {
        New,      // the cell is empty
        Same,     // the cell already holds this result; nothing to do
        Conflict, // the cell holds another result
    };

    int line = 0;
    int half = 1;
    int home = 0;
    int away = 0;
    int homeGoals = 0;
    int awayGoals = 0;
    QString technical; // the cell's "+:-", "-:+" or "-:-" for a technical result; else empty
    State state = State::New;
    QString tableScore;    // Same and Conflict: the cell's text, row team first
    bool takeFile = false; // Conflict: replace the table's result with the file's
    int round = 0;         // the file's round (its number), 0 when it gives none
    QDate date;            // the file's date of the match; null when it gives none

    // The answer typed at the score prompt for this result: "2 1", or "+ -" for "+:-".
    QString answer() const;
    // Whether applying the plan enters this result.
    bool entered() const { return state == State::New || (state == State::Conflict && takeFile); }
};

// Everything an import would do, worked out before anything changes. The plan belongs to the
// League it was made for and holds for it as long as that League is unchanged.
struct ImportPlan {
    ImportSource source;
    ImportOptions options;
    QString problem; // not empty: nothing can be imported (the file's problem, or a count that
                     // does not fit the naming), and why

    int tableTeamCount = 0; // the table's count when planned
    int teamCount = 0;      // the count after the import
    QStringList teamNames;  // the names of teams 1..teamCount after the import ([0] is team 1)
    bool renames = false;   // FromFile and NewTable: teamNames replace the table's names

    QStringList fileTeams; // the file's teams, stored spelling, in order of first appearance
    int matchedTeams = 0;  // how many of them are the table's teams by name
    bool defaultNames = false;
    NamingOffer offer = NamingOffer::None;

    int fileMatches = 0;                // matches with a score that the file gives
    int withoutScore = 0;               // skipped: no score yet
    std::vector<PlannedResult> results; // in file order
    std::vector<LineProblem> problems;  // the reader's and the planner's, by line
    // Lines imported as they are that put a team into a round a second time (real calendars
    // have such rounds after postponements), for the preview to name.
    std::vector<LineProblem> roundNotes;

    bool usable() const { return problem.isEmpty(); }
    // Results of cross-table `half` (1 or 2) in state `state`.
    int count(int half, PlannedResult::State state) const;
    int conflictCount() const;
    // The results applying the plan would enter into cross-table `half`.
    int enteredCount(int half) const;
    // The choice for every conflict at once; a preview may then change single ones.
    void chooseForConflicts(ConflictChoice choice);
};

// Matches the file's matches to the teams, splits them into the two cross-tables (a pair's
// first meeting in cross-table 1, its second in cross-table 2, the home team as the row team)
// and finds the conflicts and the lines that cannot be used: an unknown team, a team meeting
// itself, a third meeting of a pair, a name the table cannot hold, a cell whose text is not a
// score. Changes nothing.
ImportPlan planImport(const League &league, const ImportedFile &file,
                      const ImportOptions &options = {});

} // namespace soccer
