#pragma once

#include "core/season/matches.h"
#include "ui/document/leaguedocument.h"

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

// The matches of one round of the open table's calendar as the round view lists them:
// "Хозяева – Гости  2:1" a match, a moved match marked, then the teams free in the round. The
// rounds are indexed once when the calendar changes, so that choosing another round reads the
// cells of that round's matches and nothing else; a result entered anywhere is shown at once
// when its match stands in the round shown.
class RoundModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit RoundModel(LeagueDocument *document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // The rounds of the calendar, 1..roundCount(); none for a table without a calendar.
    int roundCount() const { return int(roundTitles_.size()); }
    // "Тур 5 — 12.10.2026" of round 1..roundCount().
    QString roundTitle(int round) const { return roundTitles_[std::size_t(round - 1)]; }
    // False for a round between the draw's and one a match was moved far out to.
    bool hasMatches(int round) const { return !fixturesOfRound_[std::size_t(round - 1)].empty(); }

    // Shows round 1..roundCount() (0: none).
    void showRound(int round);
    int round() const { return round_; }
    // The match of a row; null for a free team's row or a row out of range.
    const soccer::SeasonMatch *matchAt(int row) const;

  signals:
    // The calendar changed: the list of rounds and their titles are new.
    void roundsChanged();

  private:
    void indexRounds();
    void readRound();
    void refreshRound();
    void matchesChanged(int half, const std::vector<LeagueDocument::Match> &cells);

    LeagueDocument *document_;
    // The fixtures (indices into the calendar) of each round, in the order of seasonMatches.
    std::vector<std::vector<int>> fixturesOfRound_;
    QStringList roundTitles_;
    int round_ = 0;
    std::vector<soccer::SeasonMatch> matches_; // of the round shown
    QStringList lines_;                        // its matches, then its free teams
};
