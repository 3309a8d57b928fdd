#include "ui/main/placeschartview.h"

#include "core/publish/placeschart.h"
#include "ui/document/leaguedocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPolygonF>
#include <QScrollArea>

using namespace soccer::placeschart;

namespace {

const QColor kFaded(0xC8, 0xC8, 0xC8);
const QColor kAxisInk(0x44, 0x44, 0x44);

void paintAxes(QPainter &painter, const soccer::PlacesHistory &history) {
    painter.setPen(kAxisInk);
    for (std::size_t i = 0; i < history.rounds.size(); ++i)
        painter.drawText(QRectF(roundX(i) - kRoundWidth, 0, 2 * kRoundWidth, kTopMargin - 4),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(history.rounds[i]));
    for (int place = 1; place <= history.teamCount; ++place)
        painter.drawText(QRectF(0, placeY(place) - kPlaceHeight / 2, kLeftMargin - 6, kPlaceHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(place));
}

void paintTeam(QPainter &painter, const soccer::League &league,
               const soccer::PlacesHistory &history, int team, const QColor &color, double width) {
    QPolygonF line;
    line.reserve(qsizetype(history.places.size()));
    for (std::size_t i = 0; i < history.places.size(); ++i)
        line << QPointF(roundX(i), placeY(history.places[i][team]));
    painter.setPen(QPen(color, width));
    painter.drawPolyline(line);
    const double lastX = roundX(history.places.size() - 1) + 8;
    const double lastY = placeY(history.places.back()[team]);
    painter.drawText(QRectF(lastX, lastY - kPlaceHeight / 2, kNameWidth, kPlaceHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, league.teamNames[team]);
}

} // namespace

void paintPlacesChart(QPainter &painter, const soccer::League &league,
                      const soccer::PlacesHistory &history, const std::set<int> &highlighted) {
    if (history.rounds.empty())
        return;
    // Smooth lines cost ten times as much: a league's chart gets them, the largest table's
    // 99 lines over 198 rounds are drawn plain so that the view stays quick.
    constexpr std::size_t kSmoothPoints = 5000;
    painter.setRenderHint(QPainter::Antialiasing,
                          std::size_t(history.teamCount) * history.rounds.size() <= kSmoothPoints);
    paintAxes(painter, history);
    // The faded lines first, so that the picked ones lie on top of them.
    for (int team = 1; team <= history.teamCount; ++team) {
        if (!highlighted.contains(team))
            paintTeam(painter, league, history, team,
                      highlighted.empty() ? QColor(teamColor(team, history.teamCount)) : kFaded,
                      1.5);
    }
    for (int team : highlighted)
        paintTeam(painter, league, history, team, QColor(teamColor(team, history.teamCount)), 3);
}

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
        paintPlacesChart(painter, view_.document_->league(), view_.history(), highlighted);
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
