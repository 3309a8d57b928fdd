#include "ui/main/seasonview.h"

#include "ui/document/leaguedocument.h"
#include "ui/main/formdelegate.h"
#include "ui/main/seasonmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QThread>
#include <atomic>

// One computation of the places: what it reads is its own copy, so the table may change while
// it runs; a cancelled one ends at the solver's next look at the flag and is thrown away.
struct SeasonView::PlacesJob {
    std::atomic_bool cancel{false};
    soccer::PlacesInput input;
    soccer::PlacesResult result;
};

SeasonView::SeasonView(LeagueDocument *document, QWidget *parent, QWidget *gridParent)
    : QWidget(parent), document_(document), model_(new SeasonModel(this)),
      cborounds(new QComboBox(this)), chkdate(new QCheckBox(QStringLiteral("На дату:"), this)),
      dtpdate(new QDateEdit(this)), cboside(new QComboBox(this)),
      chkform(new QCheckBox(QStringLiteral("Последние 5"), this)),
      chkplaces(new QCheckBox(QStringLiteral("Места"), this)), spnrelegation(new QSpinBox(this)),
      MSV(new QTableView(gridParent)) {
    setObjectName(QStringLiteral("frseason"));
    cborounds->setObjectName(QStringLiteral("cborounds"));
    chkdate->setObjectName(QStringLiteral("chkdate"));
    dtpdate->setObjectName(QStringLiteral("dtpdate"));
    dtpdate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpdate->setCalendarPopup(true);
    cboside->setObjectName(QStringLiteral("cboside"));
    chkform->setObjectName(QStringLiteral("chkform"));
    chkplaces->setObjectName(QStringLiteral("chkplaces"));
    // The organiser's number of last places that go down, for the mark "Вылет"; none at first.
    spnrelegation->setObjectName(QStringLiteral("spnrelegation"));
    spnrelegation->setSpecialValueText(QStringLiteral("нет"));
    spnrelegation->setRange(0, soccer::kMaxTeams - 1);
    MSV->setObjectName(QStringLiteral("MSV"));
    MSV->setAccessibleName(QStringLiteral("Таблица результатов"));
    cboside->addItems(
        {QStringLiteral("Все матчи"), QStringLiteral("Дома"), QStringLiteral("В гостях")});
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("После тура:"), cborounds);
    layout->addRow(chkdate, dtpdate);
    layout->addRow(QStringLiteral("Матчи:"), cboside);
    layout->addRow(chkform);
    layout->addRow(chkplaces);
    layout->addRow(QStringLiteral("Вылет, мест:"), spnrelegation);
    MSV->setModel(model_);
    formDelegate_ = new FormDelegate(MSV);
    MSV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSV->verticalHeader()->hide();
    MSV->hide();

    connect(cborounds, &QComboBox::currentIndexChanged, this, &SeasonView::cborounds_Click);
    connect(chkdate, &QCheckBox::clicked, this, &SeasonView::chkdate_Click);
    connect(dtpdate, &QDateEdit::dateChanged, this, &SeasonView::dtpdate_Change);
    connect(cboside, &QComboBox::currentIndexChanged, this, &SeasonView::cboside_Click);
    connect(chkform, &QCheckBox::clicked, this, &SeasonView::chkform_Click);
    connect(chkplaces, &QCheckBox::clicked, this, &SeasonView::chkplaces_Click);
    connect(spnrelegation, &QSpinBox::valueChanged, this, &SeasonView::spnrelegation_Change);
    // Any change of the table: the view is counted again and the places computed afresh.
    for (auto signal : {&LeagueDocument::reloaded, &LeagueDocument::resultsCleared,
                        &LeagueDocument::resultsOrderChanged, &LeagueDocument::calendarChanged})
        connect(document_, signal, this, [this] {
            fillRounds();
            refresh();
        });
    connect(document_, &LeagueDocument::colorsChanged, this,
            [this] { model_->setColors(document_->league().colors); });
    model_->setColors(document_->league().colors);
    connect(document_, &LeagueDocument::relegationChanged, this, &SeasonView::showRelegation);
    connect(document_, &LeagueDocument::reloaded, this, &SeasonView::showRelegation);
    connect(document_, &LeagueDocument::matchesChanged, this, &SeasonView::refresh);
    connect(document_, &LeagueDocument::namesChanged, this, &SeasonView::refresh);
    // A change of the points or of how technical results count touches no cell.
    connect(document_, &LeagueDocument::statisticsChanged, this, &SeasonView::refresh);
    fillRounds();
    showRelegation();
}

SeasonView::~SeasonView() {
    cancelPlaces();
    for (QThread *thread : running_)
        thread->wait();
}

soccer::SeasonPublishing SeasonView::publishing() const {
    soccer::SeasonPublishing season;
    if (chkdate->isChecked())
        season.view.upToDate = dtpdate->date();
    else if (cborounds->currentIndex() > 0)
        season.view.afterRound = cborounds->currentIndex();
    season.view.side = soccer::MatchSide(std::max(cboside->currentIndex(), 0));
    season.columns.movement = season.view.afterRound > 0;
    season.columns.form = chkform->isChecked();
    season.columns.places = chkplaces->isChecked();
    return season;
}

// "все матчи" and the calendar's rounds; a table without a calendar offers only the first,
// and without one there is no telling home from away.
void SeasonView::fillRounds() {
    const int rounds = soccer::roundCount(document_->league().calendar);
    const QSignalBlocker quietRounds(cborounds);
    const QSignalBlocker quietSide(cboside);
    const int kept = cborounds->currentIndex();
    cborounds->clear();
    cborounds->addItem(QStringLiteral("все матчи"));
    for (int round = 1; round <= rounds; ++round)
        cborounds->addItem(QString::number(round));
    cborounds->setCurrentIndex(kept >= 0 && kept <= rounds ? kept : 0);
    cboside->setEnabled(rounds > 0);
    if (rounds == 0)
        cboside->setCurrentIndex(0);
    fillDates();
}

// The days of the calendar's matches; a calendar without dates offers none, and the round
// selector is the one in force while a date is chosen.
void SeasonView::fillDates() {
    const soccer::DateSpan dates = soccer::datesOf(document_->league().calendar);
    const QSignalBlocker quietDate(dtpdate);
    const bool dated = dates.first.isValid();
    if (dated) {
        const QDate kept = dtpdate->date();
        dtpdate->setDateRange(dates.first, dates.last);
        dtpdate->setDate(kept >= dates.first && kept <= dates.last ? kept : dates.last);
    }
    if (!dated)
        chkdate->setChecked(false);
    chkdate->setEnabled(dated);
    dtpdate->setEnabled(dated && chkdate->isChecked());
    cborounds->setEnabled(cborounds->count() > 1 && !chkdate->isChecked());
}

// The grid counted again for the selectors; the window's own grid needs nothing of it.
void SeasonView::refresh() {
    cancelPlaces();
    const soccer::SeasonPublishing season = publishing();
    if (season.isPlain())
        return;
    model_->show(document_->league(), season.view, season.columns);
    const int formColumn = model_->columnCount() - (season.columns.places ? 2 : 1);
    for (int column = 0; column < model_->columnCount(); ++column)
        MSV->setItemDelegateForColumn(column, nullptr);
    if (season.columns.form)
        MSV->setItemDelegateForColumn(formColumn, formDelegate_);
    MSV->resizeColumnsToContents();
    if (season.columns.places)
        startPlaces();
}

void SeasonView::startPlaces() {
    auto job = std::make_shared<PlacesJob>();
    const soccer::League &league = document_->league();
    job->input = soccer::placesInputAsOf(league, soccer::seasonMatches(league), publishing().view);
    QThread *thread = QThread::create([job] {
        soccer::PlacesOptions options;
        options.cancel = &job->cancel;
        job->result = soccer::reachablePlaces(job->input, options);
    });
    running_.append(thread);
    connect(thread, &QThread::finished, this, [this, job, thread] {
        running_.removeOne(thread);
        thread->deleteLater();
        if (job != job_ || job->cancel || job->result.cancelled)
            return;
        job_.reset();
        places_ = job->result.teams;
        model_->setPlaces(places_, document_->league().competition.relegationPlaces);
        MSV->resizeColumnsToContents();
        emit placesShown();
    });
    job_ = job;
    thread->start(QThread::LowPriority);
}

void SeasonView::cancelPlaces() {
    if (job_)
        job_->cancel = true;
    job_.reset();
}

void SeasonView::cborounds_Click(int) {
    refresh();
    emit viewChanged();
}

void SeasonView::chkdate_Click() {
    fillDates();
    refresh();
    emit viewChanged();
}

void SeasonView::dtpdate_Change() {
    refresh();
    emit viewChanged();
}

void SeasonView::cboside_Click(int) {
    refresh();
    emit viewChanged();
}

void SeasonView::chkform_Click() {
    refresh();
    emit viewChanged();
}

void SeasonView::chkplaces_Click() {
    refresh();
    emit viewChanged();
}

// The number is the table's: a change of it is a step of the table like any other.
void SeasonView::spnrelegation_Change(int places) {
    document_->setRelegationPlaces(places);
}

// The marks change, not the places: the places shown are marked again.
void SeasonView::showRelegation() {
    const int places = document_->league().competition.relegationPlaces;
    const QSignalBlocker quiet(spnrelegation);
    spnrelegation->setValue(places);
    if (chkplaces->isChecked() && !job_ && !places_.isEmpty())
        model_->setPlaces(places_, places);
}
