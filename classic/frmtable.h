#pragma once

#include "classic/classicleague.h"
#include "core/files/tablelock.h"
#include "ui/document/savequestion.h"
#include "ui/platform/commandbuilder.h"

#include <QMainWindow>
#include <QPointer>
#include <vector>

class LeagueDocument;
class QAction;
class QTableWidget;
class TableRecovery;

namespace classic {

class frmAbout;

// The one window of the classic edition: its cross-table, its results table, and the
// commands on buttons and menu. Loads the three data files of its league folder when made.
// The league is a LeagueDocument, as in the main edition: every change is a step that Правка
// takes back, and the grids follow the document's signals.
//
// frmtable.cpp makes the window, loads the league and shows it; frmtable_opening.cpp asks
// about another program on the folder and about unsaved changes left behind, and keeps the
// recovery copy; frmtable_commands.cpp holds the command table and the commands.
class frmtable : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmtable(QWidget *parent = nullptr);
    ~frmtable() override;

    // False when a data file could not be read; the user has been told and the program ends.
    bool loaded() const { return loaded_; }

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void Form_Load();
    bool openLeague();
    void setReadOnly(bool readOnly);
    void giveUpLeague();
    void MS_Click();
    void cmdhelp_Click();

    void prochess();
    void protable();
    void prosave();
    void proclear();
    void prorename();
    void proexit();
    void proabout();
    void proundo();
    void proredo();

    // Every command: its button, its menu item and its procedure.
    static const platform::Command<frmtable> kCommands[];

    const soccer::League &league() const;
    void buildCommands();
    void createGrids();
    void followDocument();
    void setUpCrossTable();
    void setUpResultsTable();
    void fixWindowSize();
    void fitGridsToColumns();

    void showCells();
    void showNames(const std::vector<int> &teams);
    void showCounters();
    void fillResultsTable();
    void setCrossTableCommandsEnabled(bool enabled);

    void renameTeam(int team);
    document::SaveOutcome saveLeagueFiles();
    bool confirmExit();
    void reportUnfinishedSave(soccer::FileSet::Unfinished unfinished);
    void reportLoadFailure(const DataFileError &error);
    void reportSaveFailure(const DataFileError &error);

    LeagueDocument *document_;
    TableRecovery *recovery_;
    // Where the league was read from and is saved to, and its files as last read or written.
    QDir folder_;
    std::vector<soccer::FileFingerprint> filesAsKnown_;
    soccer::TableLock lock_;
    bool readOnly_ = false;
    bool loaded_ = false;

    platform::CommandSet commands_;
    QAction *mnuchess = nullptr;
    QAction *mnutable = nullptr;
    QAction *mnurename = nullptr;
    QAction *mnuclear = nullptr;

    QTableWidget *MS = nullptr;
    QTableWidget *MSF = nullptr;

    QPointer<frmAbout> aboutBox_;
};

} // namespace classic
