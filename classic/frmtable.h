#pragma once

#include "classic/classicleague.h"
#include "ui/platform/commandbuilder.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QTableWidget;

namespace classic {

class frmAbout;

// The one window of the classic edition: its cross-table, its results table, and the
// commands on buttons and menu. Loads the three data files of its league folder when made.
class frmtable : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmtable(QWidget *parent = nullptr);
    ~frmtable() override;

    // False when a data file could not be read; the user has been told and the program ends.
    bool loaded() const { return loaded_; }

  private:
    void Form_Load();
    void MS_Click();
    void cmdhelp_Click();

    void prochess();
    void protable();
    void prosave();
    void proclear();
    void prorename();
    void proexit();
    void proabout();

    // Every command: its button, its menu item and its procedure.
    static const platform::Command<frmtable> kCommands[];

    void buildCommands();
    void createGrids();
    void setUpCrossTable();
    void setUpResultsTable();
    void fixWindowSize();
    void fitGridsToColumns();

    void showCells();
    void showNames();
    void showCounters();
    void fillResultsTable();
    void setCrossTableCommandsEnabled(bool enabled);

    void renameTeam(int team);
    void reportLoadFailure(const DataFileError &error);
    void reportSaveFailure(const DataFileError &error);

    std::unique_ptr<ClassicLeague> league_;
    // Where the league was read from and is saved to.
    QDir folder_;
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
