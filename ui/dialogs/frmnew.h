#pragma once

#include <QWidget>

// The new-table dialog: writes a blank table in the program's folder and shows the main
// window on it.
class frmnew : public QWidget {
    Q_OBJECT

  public:
    // Where the dialog was opened from: Cancel returns to the open-table dialog at start-up,
    // and to the main window (on the table pros names) otherwise.
    enum class Origin { OpenDialog, MainWindow };

    static frmnew *create(Origin origin);

  private:
    explicit frmnew(Origin origin);
};
