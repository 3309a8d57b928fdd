#pragma once

#include "core/competition/competitionrules.h"
#include "core/league/league.h"

#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Points taken from a team or given to it by the organiser: the team's decisions listed, a
// new one added (points, reason, optionally the round or date), one removed. The dialog works
// on a copy of the table's decisions; OK hands the whole list over, to be one step.
class frmdeduct : public QWidget {
    Q_OBJECT

  public:
    using Adjustments = std::vector<soccer::PointsAdjustment>;
    using Chosen = std::function<void(const Adjustments &)>;

    // Shows the dialog modal over the application for `team` (another can be chosen) and
    // returns at once. OK hands the decisions of every team to `chosen`; Отмена, Esc and the
    // window's close button change nothing.
    static frmdeduct *create(QWidget *parent, const soccer::League &league, int team,
                             Chosen chosen);

  private:
    frmdeduct(QWidget *parent, const soccer::League &league, int team, Chosen chosen);
    void buildControls();
    void placeControls();
    void connectControls();
    void Form_Load(int team);
    int chosenTeam() const;
    void showAdjustments();

    void cmdadd_Click();
    void cmdremove_Click();
    void cmdok_Click();
    void cmdotm_Click();

    int teamCount_;
    Adjustments adjustments_;
    Chosen chosen_;

    QLabel *lblteam = nullptr;
    QComboBox *cmbteam = nullptr;
    QLabel *lstlabel = nullptr;
    QListWidget *lstadjust = nullptr;
    QPushButton *cmdremove = nullptr;
    QLabel *lblpoints = nullptr;
    QLineEdit *txtpoints = nullptr;
    QLabel *lblreason = nullptr;
    QLineEdit *txtreason = nullptr;
    QLabel *lblwhen = nullptr;
    QLineEdit *txtwhen = nullptr;
    QPushButton *cmdadd = nullptr;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdotm = nullptr;
};
