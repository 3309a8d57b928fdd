#include "ui/dialogs/frmcalendar.h"

#include "core/files/options.h"
#include "core/season/matches.h"
#include "core/season/roundtext.h"
#include "ui/dialogs/dialogkit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSpinBox>
#include <utility>

namespace {

// Rounds a week apart unless the user says otherwise; at most a year between two.
constexpr int kDaysBetween = 7;
constexpr int kMostDaysBetween = 365;

} // namespace

frmcalendar *frmcalendar::create(QWidget *parent, const soccer::League &league, Drawn drawn) {
    auto *dialog = new frmcalendar(parent, league, std::move(drawn));
    dialog->show();
    return dialog;
}

frmcalendar::frmcalendar(QWidget *parent, const soccer::League &league, Drawn drawn)
    : QWidget(parent), league_(std::make_unique<soccer::League>(league)), drawn_(std::move(drawn)),
      seed_(QRandomGenerator::global()->generate()) {
    dialogkit::makeFixedDialog(this, QStringLiteral("Календарь"), 6600, 6135);
    // While the calendar is drawn the table must stay as the preview shows it.
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    placeControls();
    Form_Load();
    connectControls();
}

void frmcalendar::buildControls() {
    lblfirst = dialogkit::label(this, QStringLiteral("lblfirst"), QStringLiteral("&Первый тур:"));
    dtpfirst = new QDateEdit(this);
    dtpfirst->setObjectName(QStringLiteral("dtpfirst"));
    dtpfirst->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpfirst->setCalendarPopup(true);
    lblfirst->setBuddy(dtpfirst);
    lblevery =
        dialogkit::label(this, QStringLiteral("lblevery"), QStringLiteral("&Дней между турами:"));
    spnevery = new QSpinBox(this);
    spnevery->setObjectName(QStringLiteral("spnevery"));
    spnevery->setRange(1, kMostDaysBetween);
    lblevery->setBuddy(spnevery);
    chknodates = new QCheckBox(QStringLiteral("&Без дат"), this);
    chknodates->setObjectName(QStringLiteral("chknodates"));
    optstand = new QRadioButton(QStringLiteral("Номера команд &как в таблице"), this);
    optstand->setObjectName(QStringLiteral("optstand"));
    optlot = new QRadioButton(QStringLiteral("Номера команд по &жребию"), this);
    optlot->setObjectName(QStringLiteral("optlot"));
    lblpreview = dialogkit::label(this, QStringLiteral("lblpreview"),
                                  QStringLiteral("&Матчи первого тура:"));
    lstpreview = new QListWidget(this);
    lstpreview->setObjectName(QStringLiteral("lstpreview"));
    lblpreview->setBuddy(lstpreview);
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));
}

void frmcalendar::placeControls() {
    dialogkit::placeTwips(lblfirst, 120, 120, 2400, 255);
    dialogkit::placeTwips(dtpfirst, 2640, 90, 1800, 315);
    dialogkit::placeTwips(chknodates, 4680, 120, 1800, 255);
    dialogkit::placeTwips(lblevery, 120, 540, 2400, 255);
    dialogkit::placeTwips(spnevery, 2640, 510, 1800, 315);
    dialogkit::placeTwips(optstand, 120, 960, 6360, 255);
    dialogkit::placeTwips(optlot, 120, 1275, 6360, 255);
    dialogkit::placeTwips(lblpreview, 120, 1680, 6360, 255);
    dialogkit::placeTwips(lstpreview, 120, 1935, 6360, 3480);
    dialogkit::placeTwips(cmdok, 3000, 5520, 1695, 495);
    dialogkit::placeTwips(cmdotm, 4785, 5520, 1695, 495);
}

void frmcalendar::connectControls() {
    connect(dtpfirst, &QDateEdit::dateChanged, this, &frmcalendar::showPreview);
    connect(spnevery, &QSpinBox::valueChanged, this, &frmcalendar::showPreview);
    connect(chknodates, &QCheckBox::toggled, this, &frmcalendar::chknodates_Click);
    connect(optlot, &QRadioButton::toggled, this, &frmcalendar::showPreview);
    connect(cmdok, &QPushButton::clicked, this, &frmcalendar::cmdok_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmcalendar::cmdotm_Click);
    // A plain window has no cancel button of its own.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmcalendar::cmdotm_Click);
}

// Starts from today, a week between rounds, the teams as they stand.
void frmcalendar::Form_Load() {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    dialogkit::paintSchemed(
        {this, lblfirst, lblevery, chknodates, optstand, optlot, lblpreview, lstpreview}, scheme);
    dialogkit::paintButtons({cmdok, cmdotm}, scheme);
    dtpfirst->setDate(QDate::currentDate());
    spnevery->setValue(kDaysBetween);
    optstand->setChecked(true);
    showPreview();
    dtpfirst->setFocus();
}

soccer::DrawOptions frmcalendar::options() const {
    soccer::DrawOptions options;
    if (!chknodates->isChecked())
        options.firstDate = dtpfirst->date();
    options.daysBetween = spnevery->value();
    options.shuffle = optlot->isChecked();
    options.seed = seed_;
    return options;
}

// Round 1 of the calendar these options draw, as the round view will show it.
void frmcalendar::showPreview() {
    league_->calendar = soccer::drawCalendar(league_->teamCount, options());
    lstpreview->clear();
    lstpreview->addItems(soccer::roundLines(*league_, soccer::seasonMatches(*league_), 1));
}

void frmcalendar::chknodates_Click() {
    dtpfirst->setEnabled(!chknodates->isChecked());
    spnevery->setEnabled(!chknodates->isChecked());
    showPreview();
}

void frmcalendar::cmdok_Click() {
    const soccer::Calendar drawn = soccer::drawCalendar(league_->teamCount, options());
    Drawn apply = std::move(drawn_);
    close();
    if (apply)
        apply(drawn);
}

void frmcalendar::cmdotm_Click() {
    close();
}
