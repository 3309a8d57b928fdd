#pragma once

#include "core/season/placeshistory.h"

#include <QTimer>
#include <QWidget>
#include <set>

class LeagueDocument;
class QListWidget;
class QPainter;
class QScrollArea;

// Paints the chart of places as placesChartSvg draws it, in its units from the painter's
// origin: the lines of the teams in `highlighted` stand out and, while any is picked, the
// others fade.
void paintPlacesChart(QPainter &painter, const soccer::League &league,
                      const soccer::PlacesHistory &history, const std::set<int> &highlighted);

// The view "График мест": the place of each team after each round, a line a team, the rounds
// across and place 1 at the top; the teams picked in the list beside it stand out. The places
// are counted when the view is shown and, while it is shown, after every change of the table.
class PlacesChartView : public QWidget {
    Q_OBJECT

  public:
    PlacesChartView(LeagueDocument *document, QWidget *parent);

    const soccer::PlacesHistory &history() const { return history_; }

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    class Canvas;

    void tableChanged();
    void recount();
    void lstteams_Change();

    LeagueDocument *document_;
    QListWidget *lstteams;
    QScrollArea *area_;
    Canvas *canvas_;
    soccer::PlacesHistory history_;
    QTimer recountLater_;
    bool stale_ = true;
};
