#pragma once

#include "core/competition/withdrawal.h"
#include "core/league/league.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// A team that leaves the competition: its results annulled, its remaining matches lost
// technically, or as the regulations say by how much it has played; or a withdrawal taken back.
class frmwithdraw : public QWidget {
    Q_OBJECT

  public:
    // The team and what becomes of it; no choice: the withdrawal is taken back.
    using Chosen = std::function<void(int team, std::optional<soccer::WithdrawalChoice>)>;

    // Shows the dialog modal over the application for `team` (another can be chosen) and
    // returns at once. OK withdraws a team still in the competition, "Вернуть в турнир" takes
    // a withdrawal back; Отмена, Esc and the window's close button change nothing.
    static frmwithdraw *create(QWidget *parent, const soccer::League &league, int team,
                               Chosen chosen);

  private:
    frmwithdraw(QWidget *parent, const soccer::League &league, int team, Chosen chosen);
    void buildControls();
    void placeControls();
    void connectControls();
    void Form_Load(int team);
    int chosenTeam() const;
    void showTeam();
    void finish(std::optional<soccer::WithdrawalChoice> choice);

    void cmdok_Click();
    void cmdback_Click();
    void cmdotm_Click();

    std::unique_ptr<soccer::League> league_;
    Chosen chosen_;

    QLabel *lblteam = nullptr;
    QComboBox *cmbteam = nullptr;
    QLabel *lblstate = nullptr;
    QRadioButton *optannul = nullptr;
    QRadioButton *opttechnical = nullptr;
    QRadioButton *optrules = nullptr;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdback = nullptr;
    QPushButton *cmdotm = nullptr;
};
