#pragma once

#include <QWidget>

// The options dialog: the three colours of option.dat.
class frmoption : public QWidget {
    Q_OBJECT

  public:
    static frmoption *create();

  private:
    frmoption();
};
