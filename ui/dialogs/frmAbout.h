#pragma once

#include <QWidget>

// The About box.
class frmAbout : public QWidget {
    Q_OBJECT

  public:
    static frmAbout *create();

  private:
    frmAbout();
};
