#pragma once

#include <QWidget>

// The open-table dialog, the first window of the program.
class frmopen : public QWidget {
    Q_OBJECT

  public:
    static frmopen *create();
    // The dialog while it is loaded, or nullptr.
    static frmopen *current();

    // The hand-over of the table path to the main window. Starts as "c:\1.txt" and keeps the
    // last value written for the whole run, also while the dialog is closed.
    static QString &pros();

    ~frmopen() override;

  private:
    frmopen();
};
