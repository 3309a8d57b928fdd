#include "ui/dialogs/frmdeduct.h"

#include "core/competition/competitionnotes.h"
#include "core/files/options.h"
#include "ui/dialogs/dialogkit.h"
#include "ui/platform/prompts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <utility>

namespace {

const QString kCaption = QStringLiteral("Снятие очков");

constexpr int kAdjustmentRole = Qt::UserRole; // the index into the dialog's list

} // namespace

frmdeduct *frmdeduct::create(QWidget *parent, const soccer::League &league, int team,
                             Chosen chosen) {
    auto *dialog = new frmdeduct(parent, league, team, std::move(chosen));
    dialog->show();
    return dialog;
}

frmdeduct::frmdeduct(QWidget *parent, const soccer::League &league, int team, Chosen chosen)
    : QWidget(parent), teamCount_(std::clamp(league.teamCount, 0, soccer::kMaxTeams)),
      adjustments_(league.competition.adjustments), chosen_(std::move(chosen)) {
    dialogkit::makeFixedDialog(this, kCaption, 6600, 5700);
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    placeControls();
    for (int t = 1; t <= teamCount_; ++t)
        cmbteam->addItem(QStringLiteral("%1. %2").arg(t).arg(league.teamNames[t].trimmed()));
    Form_Load(team);
    connectControls();
}

void frmdeduct::buildControls() {
    lblteam = dialogkit::label(this, QStringLiteral("lblteam"), QStringLiteral("&Команда:"));
    cmbteam = new QComboBox(this);
    cmbteam->setObjectName(QStringLiteral("cmbteam"));
    lblteam->setBuddy(cmbteam);
    lstlabel =
        dialogkit::label(this, QStringLiteral("lstlabel"), QStringLiteral("&Решения по команде:"));
    lstadjust = new QListWidget(this);
    lstadjust->setObjectName(QStringLiteral("lstadjust"));
    lstlabel->setBuddy(lstadjust);
    cmdremove = dialogkit::button(this, QStringLiteral("cmdremove"), QStringLiteral("&Удалить"));
    lblpoints = dialogkit::label(this, QStringLiteral("lblpoints"),
                                 QStringLiteral("&Очки (минус — снятие):"));
    txtpoints = new QLineEdit(this);
    txtpoints->setObjectName(QStringLiteral("txtpoints"));
    lblpoints->setBuddy(txtpoints);
    lblreason = dialogkit::label(this, QStringLiteral("lblreason"), QStringLiteral("&Причина:"));
    txtreason = new QLineEdit(this);
    txtreason->setObjectName(QStringLiteral("txtreason"));
    lblreason->setBuddy(txtreason);
    lblwhen = dialogkit::label(this, QStringLiteral("lblwhen"),
                               QStringLiteral("&Тур или дата (можно пусто):"));
    txtwhen = new QLineEdit(this);
    txtwhen->setObjectName(QStringLiteral("txtwhen"));
    lblwhen->setBuddy(txtwhen);
    cmdadd = dialogkit::button(this, QStringLiteral("cmdadd"), QStringLiteral("&Добавить"));
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));
}

void frmdeduct::placeControls() {
    dialogkit::placeTwips(lblteam, 120, 150, 1200, 255);
    dialogkit::placeTwips(cmbteam, 1440, 120, 5040, 315);
    dialogkit::placeTwips(lstlabel, 120, 600, 6360, 255);
    dialogkit::placeTwips(lstadjust, 120, 855, 4560, 1800);
    dialogkit::placeTwips(cmdremove, 4785, 855, 1695, 495);
    dialogkit::placeTwips(lblpoints, 120, 2880, 3000, 255);
    dialogkit::placeTwips(txtpoints, 3240, 2850, 1440, 315);
    dialogkit::placeTwips(lblreason, 120, 3300, 3000, 255);
    dialogkit::placeTwips(txtreason, 120, 3555, 6360, 315);
    dialogkit::placeTwips(lblwhen, 120, 4005, 3000, 255);
    dialogkit::placeTwips(txtwhen, 3240, 3975, 3240, 315);
    dialogkit::placeTwips(cmdadd, 4785, 4410, 1695, 495);
    dialogkit::placeTwips(cmdok, 3000, 5085, 1695, 495);
    dialogkit::placeTwips(cmdotm, 4785, 5085, 1695, 495);
}

void frmdeduct::connectControls() {
    connect(cmbteam, &QComboBox::currentIndexChanged, this, &frmdeduct::showAdjustments);
    connect(cmdadd, &QPushButton::clicked, this, &frmdeduct::cmdadd_Click);
    connect(cmdremove, &QPushButton::clicked, this, &frmdeduct::cmdremove_Click);
    connect(cmdok, &QPushButton::clicked, this, &frmdeduct::cmdok_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmdeduct::cmdotm_Click);
    // A plain window has no cancel button of its own.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmdeduct::cmdotm_Click);
}

void frmdeduct::Form_Load(int team) {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    dialogkit::paintSchemed(
        {this, lblteam, cmbteam, lstlabel, lstadjust, lblpoints, lblreason, lblwhen}, scheme);
    dialogkit::paintButtons({cmdremove, cmdadd, cmdok, cmdotm}, scheme);
    cmbteam->setCurrentIndex(std::clamp(team, 1, std::max(teamCount_, 1)) - 1);
    showAdjustments();
    txtpoints->setText(QStringLiteral("-3"));
    txtpoints->setFocus();
    txtpoints->selectAll();
}

int frmdeduct::chosenTeam() const {
    return cmbteam->currentIndex() + 1;
}

void frmdeduct::showAdjustments() {
    lstadjust->clear();
    for (std::size_t i = 0; i < adjustments_.size(); ++i) {
        if (adjustments_[i].team != chosenTeam())
            continue;
        auto *item = new QListWidgetItem(soccer::adjustmentText(adjustments_[i]), lstadjust);
        item->setData(kAdjustmentRole, int(i));
    }
    lstadjust->setCurrentRow(lstadjust->count() - 1);
    cmdremove->setEnabled(lstadjust->count() > 0);
}

void frmdeduct::cmdadd_Click() {
    bool whole = false;
    soccer::PointsAdjustment adjustment;
    adjustment.team = chosenTeam();
    adjustment.points = txtpoints->text().trimmed().toInt(&whole);
    adjustment.reason = txtreason->text().trimmed();
    adjustment.when = txtwhen->text().trimmed();
    const QString problem =
        whole ? soccer::adjustmentProblem(adjustment, teamCount_)
              : QStringLiteral("Очки должны быть целым числом, например -3 или 2.");
    if (!problem.isEmpty()) {
        platform::message(this, problem, kCaption);
        txtpoints->setFocus();
        return;
    }
    adjustments_.push_back(adjustment);
    showAdjustments();
    txtreason->clear();
    txtwhen->clear();
}

void frmdeduct::cmdremove_Click() {
    const QListWidgetItem *item = lstadjust->currentItem();
    if (item == nullptr)
        return;
    adjustments_.erase(adjustments_.begin() + item->data(kAdjustmentRole).toInt());
    showAdjustments();
}

void frmdeduct::cmdok_Click() {
    Chosen apply = std::move(chosen_);
    const Adjustments chosen = adjustments_;
    close();
    if (apply)
        apply(chosen);
}

void frmdeduct::cmdotm_Click() {
    close();
}
