#include "ui/main/placeschartview.h"

#include "core/publish/placeschart.h"
#include "publish/chartpainter.h"
#include "ui/document/leaguedocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>

using namespace soccer::placeschart;

// The chart at its own size, scrolled when the view is smaller.
class PlacesChartView::Canvas : public QWidget {
  public:
    Canvas(const PlacesChartView &view, QWidget *parent) : QWidget(parent), view_(view) {
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }
    void refit() {
        resize(int(chartWidth(view_.history())), int(chartHeight(view_.history())));
        update();
    }
    std::set<int> highlighted;

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        publish::paintPlacesChart(painter, view_.document_->league().teamNames, view_.history(),
                                  highlighted);
    }

  private:
    const PlacesChartView &view_;
};

PlacesChartView::PlacesChartView(LeagueDocument *document, QWidget *parent)
    : QWidget(parent), document_(document), lstteams(new QListWidget(this)),
      area_(new QScrollArea(this)), canvas_(new Canvas(*this, area_)) {
    setObjectName(QStringLiteral("frchart"));
    lstteams->setObjectName(QStringLiteral("lstteams"));
    lstteams->setAccessibleName(QStringLiteral("Команды"));
    lstteams->setSelectionMode(QAbstractItemView::MultiSelection);
    area_->setWidget(canvas_);
    area_->setAccessibleName(QStringLiteral("График мест"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lstteams);
    layout->addWidget(area_, 1);
    connect(lstteams, &QListWidget::itemSelectionChanged, this, &PlacesChartView::lstteams_Change);
    // A score entered says so twice (its match, then its statistics): one count follows both.
    recountLater_.setSingleShot(true);
    recountLater_.setInterval(0);
    connect(&recountLater_, &QTimer::timeout, this, &PlacesChartView::recount);
    for (auto signal : {&LeagueDocument::reloaded, &LeagueDocument::resultsCleared,
                        &LeagueDocument::calendarChanged, &LeagueDocument::resultsOrderChanged})
        connect(document_, signal, this, &PlacesChartView::tableChanged);
    connect(document_, &LeagueDocument::namesChanged, this, &PlacesChartView::tableChanged);
    connect(document_, &LeagueDocument::matchesChanged, this, &PlacesChartView::tableChanged);
    connect(document_, &LeagueDocument::statisticsChanged, this, &PlacesChartView::tableChanged);
}

// Also when the window comes back after a change made while it was hidden.
void PlacesChartView::showEvent(QShowEvent *event) {
    if (stale_)
        recount();
    QWidget::showEvent(event);
}

// Counted at once while shown; a hidden chart waits until it is shown.
void PlacesChartView::tableChanged() {
    stale_ = true;
    if (isVisible())
        recountLater_.start();
}

void PlacesChartView::recount() {
    stale_ = false;
    recountLater_.stop();
    const soccer::League &league = document_->league();
    history_ = soccer::placesHistory(league);
    const std::set<int> kept = canvas_->highlighted;
    const QSignalBlocker quiet(lstteams);
    lstteams->clear();
    canvas_->highlighted.clear();
    for (int team = 1; team <= league.teamCount; ++team) {
        auto *item = new QListWidgetItem(league.teamNames[team], lstteams);
        item->setForeground(QColor(soccer::placeschart::teamColor(team, league.teamCount)));
        if (kept.contains(team)) {
            item->setSelected(true);
            canvas_->highlighted.insert(team);
        }
    }
    canvas_->refit();
}

void PlacesChartView::lstteams_Change() {
    canvas_->highlighted.clear();
    for (int row = 0; row < lstteams->count(); ++row) {
        if (lstteams->item(row)->isSelected())
            canvas_->highlighted.insert(row + 1);
    }
    canvas_->update();
}
