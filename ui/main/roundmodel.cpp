#include "ui/main/roundmodel.h"

#include "core/season/roundtext.h"

#include <algorithm>
#include <tuple>

namespace {

soccer::SeasonMatch matchOf(const soccer::League &league, const soccer::Fixture &f) {
    return {f.half,
            f.home,
            f.away,
            f.round,
            f.date,
            f.postponed,
            soccer::readMatchResult(league.crossTables[f.half].cells[f.home][f.away])};
}

} // namespace

RoundModel::RoundModel(LeagueDocument *document, QObject *parent)
    : QAbstractListModel(parent), document_(document) {
    connect(document, &LeagueDocument::reloaded, this, &RoundModel::calendarReplaced);
    connect(document, &LeagueDocument::calendarChanged, this, &RoundModel::calendarReplaced);
    connect(document, &LeagueDocument::matchesChanged, this, &RoundModel::matchesChanged);
    connect(document, &LeagueDocument::namesChanged, this, &RoundModel::refreshRound);
    connect(document, &LeagueDocument::resultsCleared, this, &RoundModel::refreshRound);
    indexRounds();
}

void RoundModel::setWatching(bool watching) {
    watching_ = watching;
    if (watching_ && stale_)
        indexRounds();
}

void RoundModel::calendarReplaced() {
    stale_ = !watching_;
    if (watching_)
        indexRounds();
}

int RoundModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant RoundModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_.size())
        return {};
    return lines_[index.row()];
}

const soccer::SeasonMatch *RoundModel::matchAt(int row) const {
    return row >= 0 && row < int(matches_.size()) ? &matches_[std::size_t(row)] : nullptr;
}

// The one pass over the calendar: each round's fixtures in the order of seasonMatches, and the
// rounds' titles with their days.
void RoundModel::indexRounds() {
    stale_ = false;
    const soccer::League &league = document_->league();
    const std::vector<soccer::Fixture> &fixtures = league.calendar.fixtures;
    fixturesOfRound_.assign(std::size_t(soccer::roundCount(league.calendar)), {});
    for (int i = 0; i < int(fixtures.size()); ++i) {
        // A fixture without a round belongs to no round the view can show.
        if (const int round = fixtures[std::size_t(i)].round; round >= 1)
            fixturesOfRound_[std::size_t(round - 1)].push_back(i);
    }
    roundTitles_.clear();
    for (std::vector<int> &ofRound : fixturesOfRound_) {
        std::ranges::sort(ofRound, [&fixtures](int x, int y) {
            const soccer::Fixture &a = fixtures[std::size_t(x)];
            const soccer::Fixture &b = fixtures[std::size_t(y)];
            return std::tie(a.half, a.home, a.away) < std::tie(b.half, b.home, b.away);
        });
        std::vector<soccer::SeasonMatch> dated;
        for (int i : ofRound)
            dated.push_back(matchOf(league, fixtures[std::size_t(i)]));
        const int round = int(roundTitles_.size()) + 1;
        roundTitles_ << soccer::roundTitle(round, soccer::roundDate(dated));
    }
    round_ = std::min(round_, roundCount());
    if (round_ == 0 && roundCount() > 0)
        round_ = 1;
    beginResetModel();
    readRound();
    endResetModel();
    emit roundsChanged();
}

void RoundModel::showRound(int round) {
    if (stale_ || round == round_ || round < 0 || round > roundCount())
        return;
    beginResetModel();
    round_ = round;
    readRound();
    endResetModel();
}

void RoundModel::readRound() {
    const soccer::League &league = document_->league();
    matches_.clear();
    lines_.clear();
    if (round_ == 0)
        return;
    for (int i : fixturesOfRound_[std::size_t(round_ - 1)])
        matches_.push_back(matchOf(league, league.calendar.fixtures[std::size_t(i)]));
    for (const soccer::SeasonMatch &match : matches_)
        lines_ << soccer::matchLine(league, match);
    for (int team : soccer::freeTeams(matches_, round_, league.teamCount))
        lines_ << soccer::freeTeamLine(league, team);
}

// The round keeps its rows; only their texts change.
void RoundModel::refreshRound() {
    if (stale_)
        return;
    readRound();
    if (!lines_.isEmpty())
        emit dataChanged(index(0), index(int(lines_.size()) - 1), {Qt::DisplayRole});
}

void RoundModel::matchesChanged(int half, const std::vector<LeagueDocument::Match> &cells) {
    if (stale_)
        return;
    const auto shown = [this, half](const LeagueDocument::Match &cell) {
        return std::ranges::any_of(matches_, [&](const soccer::SeasonMatch &m) {
            return m.half == half && m.home == cell.row && m.away == cell.column;
        });
    };
    if (std::ranges::any_of(cells, shown))
        refreshRound();
}
