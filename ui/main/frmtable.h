#pragma once

#include "core/league.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QToolButton;
class TableGrid;

// The main window: owns the League of the open table and shows it in three grids.
class frmtable : public QMainWindow {
    Q_OBJECT

  public:
    // Creates and loads the main window on the table that frmopen::pros() names; it shows
    // itself when loaded (or reports the failure, ends the program and gives nullptr).
    static frmtable *create();
    // The main window of this run, or nullptr while none exists.
    static frmtable *current();

    // Runs the display refresh once more, shortly (after the colours were saved).
    void armRefresh();

    ~frmtable() override;

    const soccer::League &league() const { return *league_; }
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
    void prorename();
    void proclear();
    void prooption();
    void cmdhelp_Click();
    void proabout();
    void proexit();

    // The events of the grids; the click handlers act on the grid's current cell.
    void MS_Click();
    void ms1_Click();
    void MSF_Click();
    void MS_MouseMove(int button, int shift, int x, int y);
    void ms1_MouseMove(int button, int shift, int x, int y);

    void Timer1_Timer();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    enum class View { CrossTable1, CrossTable2, Results };
    enum class SaveOutcome { Saved, Declined, Failed };
    // One cross-table with the grid that shows it; the two halves share every routine.
    struct Half {
        TableGrid *grid;
        int index; // into League::crossTables
    };

    frmtable();
    void buildCommands();
    void buildGrids();

    bool Form_Load();
    void proform();
    void proe(int errorNumber);

    Half half(int index) const;
    Half otherHalf(const Half &half) const;
    void scoreClick(const Half &own);
    void renameTeam(const Half &own, int team);
    void enterScore(const Half &own, int row, int column);
    void showMatch(const Half &own, int x, int y);

    void shapeGrids();
    void writeCrossTable(const Half &half);
    void writeStatistics(const Half &half);
    void writeNames(TableGrid *grid);
    void writeCrossTableHeaders(TableGrid *grid);
    void writeResultsHeaders();
    void fillResults();

    void applyColors();
    void paintStripes(TableGrid *grid);
    void paintHeaders(TableGrid *grid);
    void paintDiagonal(TableGrid *grid);

    void showView(View view);
    void fitGridsToWindow();
    void fitResultsWidth();
    SaveOutcome saveTable();
    std::optional<QString> chooseSaveAsPath();
    bool offerToSave(const QString &question);

    std::unique_ptr<soccer::League> league_;
    std::array<QToolButton *, 12> buttons_{};
    QToolButton *cmdchess = nullptr;
    QToolButton *cmdchess1 = nullptr;
    QToolButton *cmdtable = nullptr;
    QToolButton *cmdrename = nullptr;
    QToolButton *cmdclear = nullptr;
    QAction *mnuchess = nullptr;
    QAction *mnuchess1 = nullptr;
    QAction *mnutable = nullptr;
    QAction *mnurename = nullptr;
    QAction *mnuclear = nullptr;
    QLabel *okno = nullptr;
    TableGrid *MS = nullptr;
    TableGrid *ms1 = nullptr;
    TableGrid *MSF = nullptr;
    QTimer Timer1;
};
