#pragma once

#include "core/competition/competitionrules.h"
#include "core/league/league.h"

#include <QList>
#include <functional>

class QComboBox;
class QLabel;
class QSpinBox;
class QWidget;

// The part of the tournament rules dialog that says how matches count: the points for a win,
// a draw and a loss (a preset or three numbers of one's own) and what a technical result is
// worth. The controls are the dialog's; this keeps them in step with each other.
class CountingControls {
  public:
    using Changed = std::function<void()>;

    CountingControls(QWidget *dialog, Changed changed);
    // Places the controls in a band of the dialog from `top` (twips).
    void place(int top);
    void paint(const soccer::ColorScheme &scheme);
    void show(const soccer::PointsScheme &points, soccer::TechnicalCounting technical);
    QList<QWidget *> tabOrder() const;

    soccer::PointsScheme points() const;
    soccer::TechnicalCounting technical() const;

  private:
    void cmbpoints_Click(int index);
    void spnpoints_Change();

    Changed changed_;
    QLabel *lblpoints = nullptr;
    QComboBox *cmbpoints = nullptr;
    QSpinBox *spnwin = nullptr;
    QSpinBox *spndraw = nullptr;
    QSpinBox *spnloss = nullptr;
    QLabel *lbltechnical = nullptr;
    QComboBox *cmbtechnical = nullptr;
};
