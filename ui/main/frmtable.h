#pragma once

#include "core/files/tablelock.h"
#include "core/league/league.h"
#include "ui/document/savequestion.h"
#include "ui/document/tableopening.h"
#include "ui/platform/commandbuilder.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <optional>

namespace publish {
enum class ExportFormat;
}
namespace soccer {
struct Publication;
}

class CrossTableModel;
class ExportWorker;
class LeagueDocument;
class QAction;
class QLabel;
class QListView;
class QUndoStack;
class ResultsModel;
class PlacesChartView;
class RoundView;
class SeasonView;
class TableGrid;
class TableRecovery;

// The main window: shows the open table (a LeagueDocument) in three grids, the two
// cross-tables and the results table, each a view of its own model, and runs the commands.
//
// With a calendar the window has a fourth view, the round view "Туры", and a fifth, the chart
// of places "График мест".
//
// Its methods are spread over files named for their concern: frmtable.cpp (making the window,
// its grids and its size), frmtable_commands.cpp (the command table), frmtable_loading.cpp
// (loading, read-only, colours and the display refresh), frmtable_views.cpp (the three views and
// the results order), frmtable_scores.cpp (score entry and the hover caption), frmtable_names.cpp
// (renaming and clearing), frmtable_files.cpp (New, Open, Save, Save as and the other
// commands that leave the table), frmtable_publish.cpp (the tournament rules, printing,
// export and import), frmtable_competition.cpp (points docked and teams withdrawn),
// frmtable_undo.cpp (undo and redo), frmtable_rounds.cpp (the round view, the draw of the
// calendar and the changes of a match), frmtable_season.cpp (the results table after a round,
// home or away, with form and places).
class frmtable : public QMainWindow {
    Q_OBJECT

  public:
    // Creates the main window and loads the table at `tablePath` into it; it shows itself
    // when loaded (or reports the failure, ends the program and gives nullptr).
    static frmtable *create(const QString &tablePath, tableopening::Opening opening = {});
    // The main window of this run, or nullptr while none exists.
    static frmtable *current();

    // Runs the display refresh once more, shortly (after the colours were saved).
    void armRefresh();
    // Closes the window without a question: its table is left for another (the user was
    // asked about its changes before).
    void leave();
    // True when the table was opened read-only beside another window that has it open.
    bool isReadOnly() const { return readOnly_; }
    TableRecovery *recovery() const { return recovery_; }

    ~frmtable() override;

    const soccer::League &league() const;
    // True from the creation (or armRefresh) until the display refresh has run.
    bool refreshPending() const { return Timer1.isActive(); }

    // The commands, as the buttons and the menu items run them.
    void mnunew_Click();
    void cmdopen_Click();
    void prosave();
    void mnusaveas_Click();
    void prochess();
    void prochess1();
    void protable();
    void protours();
    void prochart();
    void procalendar();
    void promove();
    void proswap();
    void prorename();
    void proclear();
    void prooption();
    void prorules();
    void prodeduct();
    void prowithdraw();
    void proprint();
    void proexport();
    void proimport();
    void proundo();
    void proredo();
    void cmdhelp_Click();
    void proabout();
    void proexit();

    // The events of the grids; the click handlers act on the grid's current cell.
    void MS_Click();
    void ms1_Click();
    void MSF_Click();
    void lsttour_Activated();
    void MS_MouseMove(int button, int shift, int x, int y);
    void ms1_MouseMove(int button, int shift, int x, int y);

    void Timer1_Timer();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    enum class View { CrossTable1, CrossTable2, Results, Rounds, Chart };
    // Withheld: the file had changed on disk and the user chose not to write over it.
    using SaveOutcome = document::SaveOutcome;
    // One cross-table with the grid and the model that show it; the halves share every routine.
    struct Half {
        TableGrid *grid;
        CrossTableModel *model;
        int index; // into League::crossTables
    };

    frmtable();
    void buildCommands();
    void buildRoundCommands(QListView *matches);
    void followUndoStack();
    void showStep(void (QUndoStack::*step)());
    void buildGrids();
    void buildRoundView();
    void buildChartView();
    void buildSeasonView();
    void fitSeasonGrid();

    bool Form_Load(const QString &tablePath, tableopening::Opening opening);
    void proform(const QString &tablePath, tableopening::Opening opening);
    void setReadOnly(bool readOnly);
    void proe(int errorNumber);
    void shapeGrids();
    void applyColors();
    void writeExport(const QString &path, const soccer::Publication &publication,
                     publish::ExportFormat format);

    Half half(int index) const;
    void scoreClick(const Half &own);
    void enterScore(const Half &own, int row, int column);
    void showMatch(const Half &own, int x, int y);
    void renameTeam(int team);
    int currentTeam() const;

    void showView(View view);
    void fillResults();
    void fitGridsToWindow();
    void fitResultsWidth();
    SaveOutcome saveTable(const std::optional<QString> &newPath = std::nullopt);
    void giveUpTable();
    std::optional<QString> chooseSaveAsPath();
    bool offerToSave(const QString &question);
    bool confirmOverwrite();
    bool confirmExit();
    void closeWithoutAsking();

    LeagueDocument *document_ = nullptr;
    std::array<CrossTableModel *, 2> crossModels_{};
    ResultsModel *resultsModel_ = nullptr;
    platform::CommandSet commands_;
    platform::CommandSet roundCommands_;
    QAction *mnuchess = nullptr;
    QAction *mnuchess1 = nullptr;
    QAction *mnutable = nullptr;
    QAction *mnurename = nullptr;
    QAction *mnuclear = nullptr;
    QAction *mnutours = nullptr;
    QAction *mnuchart = nullptr;
    QLabel *okno = nullptr;
    TableGrid *MS = nullptr;
    TableGrid *ms1 = nullptr;
    TableGrid *MSF = nullptr;
    RoundView *tours = nullptr;
    PlacesChartView *chart = nullptr;
    SeasonView *frseason = nullptr;
    ExportWorker *exports_ = nullptr;
    QTimer Timer1;
    TableRecovery *recovery_ = nullptr;
    soccer::TableLock lock_;
    bool readOnly_ = false;
    // Set while the program closes the window itself (New, a failure), which asks nothing.
    bool closingByProgram_ = false;
};
