#include "ui/dialogs/frmwithdraw.h"

#include "core/files/options.h"
#include "ui/dialogs/dialogkit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

QString stateText(const soccer::League &league, int team) {
    for (const soccer::Withdrawal &withdrawal : league.competition.withdrawals) {
        if (withdrawal.team != team)
            continue;
        return withdrawal.kind == soccer::WithdrawalKind::Annulled
                   ? QStringLiteral("Команда снялась: её результаты аннулированы.")
                   : QStringLiteral("Команда снялась: оставшиеся матчи — технические поражения.");
    }
    return QStringLiteral("Сыграно матчей: %1 из %2.")
        .arg(soccer::playedMatches(league, team))
        .arg(2 * (league.teamCount - 1));
}

} // namespace

frmwithdraw *frmwithdraw::create(QWidget *parent, const soccer::League &league, int team,
                                 Chosen chosen) {
    auto *dialog = new frmwithdraw(parent, league, team, std::move(chosen));
    dialog->show();
    return dialog;
}

frmwithdraw::frmwithdraw(QWidget *parent, const soccer::League &league, int team, Chosen chosen)
    : QWidget(parent), league_(std::make_unique<soccer::League>(league)),
      chosen_(std::move(chosen)) {
    dialogkit::makeFixedDialog(this, QStringLiteral("Команда снялась"), 6600, 3300);
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    placeControls();
    Form_Load(team);
    connectControls();
}

void frmwithdraw::buildControls() {
    lblteam = dialogkit::label(this, QStringLiteral("lblteam"), QStringLiteral("&Команда:"));
    cmbteam = new QComboBox(this);
    cmbteam->setObjectName(QStringLiteral("cmbteam"));
    lblteam->setBuddy(cmbteam);
    lblstate = dialogkit::label(this, QStringLiteral("lblstate"), QString());
    optannul = new QRadioButton(QStringLiteral("Результаты &аннулировать"), this);
    optannul->setObjectName(QStringLiteral("optannul"));
    opttechnical =
        new QRadioButton(QStringLiteral("Оставшиеся матчи — &технические поражения"), this);
    opttechnical->setObjectName(QStringLiteral("opttechnical"));
    optrules = new QRadioButton(
        QStringLiteral("По &регламенту: аннулировать, если сыграно меньше половины"), this);
    optrules->setObjectName(QStringLiteral("optrules"));
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdback =
        dialogkit::button(this, QStringLiteral("cmdback"), QStringLiteral("&Вернуть в турнир"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));
}

void frmwithdraw::placeControls() {
    dialogkit::placeTwips(lblteam, 120, 150, 1200, 255);
    dialogkit::placeTwips(cmbteam, 1440, 120, 5040, 315);
    dialogkit::placeTwips(lblstate, 120, 570, 6360, 255);
    dialogkit::placeTwips(optannul, 120, 990, 6360, 255);
    dialogkit::placeTwips(opttechnical, 120, 1305, 6360, 255);
    dialogkit::placeTwips(optrules, 120, 1620, 6360, 255);
    dialogkit::placeTwips(cmdback, 120, 2685, 2400, 495);
    dialogkit::placeTwips(cmdok, 3000, 2685, 1695, 495);
    dialogkit::placeTwips(cmdotm, 4785, 2685, 1695, 495);
}

void frmwithdraw::connectControls() {
    connect(cmbteam, &QComboBox::currentIndexChanged, this, &frmwithdraw::showTeam);
    connect(cmdok, &QPushButton::clicked, this, &frmwithdraw::cmdok_Click);
    connect(cmdback, &QPushButton::clicked, this, &frmwithdraw::cmdback_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmwithdraw::cmdotm_Click);
    // A plain window has no cancel button of its own.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmwithdraw::cmdotm_Click);
}

void frmwithdraw::Form_Load(int team) {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    dialogkit::paintSchemed({this, lblteam, cmbteam, lblstate, optannul, opttechnical, optrules},
                            scheme);
    dialogkit::paintButtons({cmdok, cmdback, cmdotm}, scheme);
    const int count = std::clamp(league_->teamCount, 0, soccer::kMaxTeams);
    for (int t = 1; t <= count; ++t)
        cmbteam->addItem(QStringLiteral("%1. %2").arg(t).arg(league_->teamNames[t].trimmed()));
    cmbteam->setCurrentIndex(std::clamp(team, 1, std::max(count, 1)) - 1);
    optrules->setChecked(true);
    showTeam();
    cmbteam->setFocus();
}

int frmwithdraw::chosenTeam() const {
    return cmbteam->currentIndex() + 1;
}

// A team that has withdrawn can only be taken back; one still playing can only withdraw.
void frmwithdraw::showTeam() {
    const bool withdrawn = league_->competition.hasWithdrawn(chosenTeam());
    lblstate->setText(stateText(*league_, chosenTeam()));
    const std::initializer_list<QWidget *> choosing = {optannul, opttechnical, optrules, cmdok};
    for (QWidget *control : choosing)
        control->setEnabled(!withdrawn);
    cmdback->setEnabled(withdrawn);
}

void frmwithdraw::finish(std::optional<soccer::WithdrawalChoice> choice) {
    Chosen apply = std::move(chosen_);
    const int team = chosenTeam();
    close();
    if (apply)
        apply(team, choice);
}

void frmwithdraw::cmdok_Click() {
    if (opttechnical->isChecked())
        finish(soccer::WithdrawalChoice::TechnicalDefeats);
    else if (optannul->isChecked())
        finish(soccer::WithdrawalChoice::Annul);
    else
        finish(soccer::WithdrawalChoice::ByRegulations);
}

void frmwithdraw::cmdback_Click() {
    finish(std::nullopt);
}

void frmwithdraw::cmdotm_Click() {
    close();
}
