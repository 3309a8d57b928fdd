#pragma once

#include "core/season/placeshistory.h"

#include <QTimer>
#include <QWidget>
#include <set>

class LeagueDocument;
class QListWidget;
class QScrollArea;

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
