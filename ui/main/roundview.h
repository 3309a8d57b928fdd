#pragma once

#include "core/season/matches.h"

#include <QWidget>

class LeagueDocument;
class QComboBox;
class QLabel;
class QListView;
class RoundModel;

// The round view "Туры": a list of the calendar's rounds and, under it, the chosen round's
// matches. A table without a calendar offers no rounds and says so instead.
class RoundView : public QWidget {
    Q_OBJECT

  public:
    RoundView(LeagueDocument *document, QWidget *parent);

    RoundModel *model() const { return model_; }
    // The list of the round's matches, which carries the actions on a match.
    QListView *matchList() const;
    // The match of the current row; null on a free team's row or without a round.
    const soccer::SeasonMatch *currentMatch() const;
    // Where the keys go when the view is shown: the matches, or the list of rounds while the
    // round has none.
    void takeFocus();
    // The text colour and background of the window.
    void paint(const QColor &main, const QColor &text);
    // The rounds are indexed only while the view is shown, so that opening a table with a
    // large calendar costs no more than reading it.
    void setVisible(bool visible) override;

  signals:
    // Enter or a double click on a row of a match.
    void matchActivated();

  private:
    void fillRounds();
    void cmbtour_Click(int index);

    RoundModel *model_;
    QComboBox *cmbtour;
    QListView *lsttour;
    QLabel *lblnotours;
    int keptRow_ = 0;
};
