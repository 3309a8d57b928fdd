#pragma once

#include "core/league.h"

#include <QMainWindow>
#include <memory>

// The main window: owns the League of the open table and shows it in three grids.
class frmtable : public QMainWindow {
    Q_OBJECT

  public:
    // Creates and loads the main window on the table that frmopen::pros() names; it shows
    // itself when loaded (or reports the failure and ends the program).
    static frmtable *create();
    // The main window of this run, or nullptr while none exists.
    static frmtable *current();

    // Runs the display refresh once more, shortly (after the colours were saved).
    void armRefresh();

    ~frmtable() override;

  private:
    frmtable();
};
