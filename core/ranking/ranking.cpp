#include "core/ranking/ranking.h"

#include "core/league/standings.h"
#include "core/ranking/headtohead.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

namespace soccer {

namespace {

int rankedCount(const League &league) {
    return std::clamp(league.teamCount, 0, kMaxTeams);
}

// A NaN (a file may hold one) ranks below every number, so that every comparison of a
// ranking stays a strict weak order.
bool ranksHigher(double a, double b) {
    if (std::isnan(a))
        return false;
    return std::isnan(b) || a > b;
}

bool rankEqual(double a, double b) {
    return !ranksHigher(a, b) && !ranksHigher(b, a);
}

double totalValue(const TeamStats &stats, Criterion criterion) {
    switch (criterion) {
    case Criterion::Wins:
        return stats.wins;
    case Criterion::GoalDifference:
        return stats.goalsFor - stats.goalsAgainst;
    case Criterion::GoalsFor:
        return stats.goalsFor;
    case Criterion::HeadToHeadPoints:
    case Criterion::HeadToHeadDifference:
    case Criterion::HeadToHeadGoalsFor:
        break;
    }
    return 0;
}

// The ranking of every rule but the program's. order_ holds the teams top down; gaps_[i]
// tells what separates order_[i] from order_[i + 1], By::Nothing while they are tied.
class CriteriaRanking {
  public:
    CriteriaRanking(const League &league, const std::vector<Criterion> &criteria)
        : league_(league), criteria_(criteria) {
        const int count = rankedCount(league);
        for (int t = 1; t <= count; ++t) {
            order_.push_back(t);
            totals_[t] = totals(league, t);
        }
        gaps_.resize(order_.size());
    }

    // The teams still in the competition above those whose results are annulled, each group
    // ranked on its own.
    void rank() {
        const CompetitionRules &rules = league_.competition;
        const int end = int(order_.size());
        splitBy(0, end, Separation::By::Withdrawal, Criterion::Wins,
                [&](int team) { return rules.isAnnulled(team) ? 0.0 : 1.0; });
        forEachTie(0, end, [&](int begin, int groupEnd) { rankGroup(begin, groupEnd); });
    }

    const std::vector<int> &order() const { return order_; }
    const std::vector<Separation> &gaps() const { return gaps_; }

  private:
    void rankGroup(int begin, int end) {
        splitBy(begin, end, Separation::By::Points, Criterion::Wins,
                [&](int team) { return totals_[team].points; });
        forEachTie(begin, end, [&](int b, int e) { applyFrom(b, e, 0); });
    }

    // The tied teams order_[begin..end) from criterion `step` on.
    void applyFrom(int begin, int end, std::size_t step) {
        if (step >= criteria_.size())
            return;
        const Criterion criterion = criteria_[step];
        if (isHeadToHead(criterion)) {
            std::size_t runEnd = step;
            while (runEnd < criteria_.size() && isHeadToHead(criteria_[runEnd]))
                ++runEnd;
            applyHeadToHead(begin, end, step, runEnd);
            return;
        }
        splitBy(begin, end, Separation::By::Criterion, criterion,
                [&](int team) { return totalValue(totals_[team], criterion); });
        forEachTie(begin, end, [&](int b, int e) { applyFrom(b, e, step + 1); });
    }

    // The mini-league of the tied teams order_[begin..end) under the head-to-head criteria
    // first..runEnd - 1.
    void applyHeadToHead(int begin, int end, std::size_t first, std::size_t runEnd) {
        const std::span<const int> group(order_.data() + begin, std::size_t(end - begin));
        if (!headToHead_)
            headToHead_.emplace(league_);
        for (int team : group)
            figures_[team] = headToHead_->figures(team, group);
        for (std::size_t step = first; step < runEnd; ++step) {
            const Criterion criterion = criteria_[step];
            const auto value = [&](int team) { return figures_[team].value(criterion); };
            if (!splitBy(begin, end, Separation::By::Criterion, criterion, value))
                continue;
            forEachTie(begin, end, [&](int b, int e) { applyHeadToHead(b, e, first, runEnd); });
            return;
        }
        applyFrom(begin, end, runEnd);
    }

    // Sorts order_[begin..end) by `value`, highest first and equal values in their present
    // (team) order, and marks the gaps between different values. False when all are equal.
    template <typename Value>
    bool splitBy(int begin, int end, Separation::By by, Criterion criterion, Value value) {
        std::stable_sort(order_.begin() + begin, order_.begin() + end,
                         [&](int a, int b) { return ranksHigher(value(a), value(b)); });
        bool split = false;
        for (int i = begin; i + 1 < end; ++i) {
            const double above = value(order_[std::size_t(i)]);
            const double below = value(order_[std::size_t(i + 1)]);
            if (rankEqual(above, below))
                continue;
            gaps_[std::size_t(i)] = {by, criterion, above, below};
            split = true;
        }
        return split;
    }

    // Calls then(b, e) for every run order_[b..e) of two or more teams still tied.
    template <typename Then> void forEachTie(int begin, int end, Then then) {
        int runBegin = begin;
        for (int i = begin; i < end; ++i) {
            if (i + 1 < end && gaps_[std::size_t(i)].by == Separation::By::Nothing)
                continue;
            if (i > runBegin)
                then(runBegin, i + 1);
            runBegin = i + 1;
        }
    }

    const League &league_;
    const std::vector<Criterion> &criteria_;
    std::array<TeamStats, kArraySize> totals_{};
    std::array<HeadToHeadFigures, kArraySize> figures_{};
    std::vector<int> order_;
    std::vector<Separation> gaps_;
    std::optional<HeadToHead> headToHead_;
};

// Why the program's rule put `above` right before `below`: the first of its criteria on which
// the two differ, or their numbers when they are equal on all of them.
Separation programSeparation(const League &league, int aboveTeam, int belowTeam) {
    using enum Criterion;
    const TeamStats above = totals(league, aboveTeam);
    const TeamStats below = totals(league, belowTeam);
    if (league.competition.isAnnulled(aboveTeam) != league.competition.isAnnulled(belowTeam))
        return {Separation::By::Withdrawal, Wins, 1, 0};
    if (above.points != below.points)
        return {Separation::By::Points, Wins, above.points, below.points};
    for (Criterion criterion : {Wins, GoalDifference, GoalsFor}) {
        const double aboveValue = totalValue(above, criterion);
        const double belowValue = totalValue(below, criterion);
        if (aboveValue != belowValue)
            return {Separation::By::Criterion, criterion, aboveValue, belowValue};
    }
    return {Separation::By::TeamNumber, Wins, double(aboveTeam), double(belowTeam)};
}

void rankByProgramRule(League &league, std::vector<int> &order, std::vector<Separation> &gaps) {
    rankTeams(league);
    const int count = rankedCount(league);
    for (int p = 1; p <= count; ++p)
        order.push_back(league.standingsOrder[p]);
    gaps.resize(order.size());
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        gaps[i] = programSeparation(league, order[i], order[i + 1]);
    }
}

QString placeText(int first, int last) {
    if (first == last)
        return QString::number(first);
    return QString::number(first) + QChar(0x2013) + QString::number(last);
}

// Rows top down; a run of teams with no gap between them shares one place.
std::vector<RankedRow> rowsOf(const std::vector<int> &order, const std::vector<Separation> &gaps) {
    std::vector<RankedRow> rows(order.size());
    std::size_t first = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        RankedRow &row = rows[i];
        row.position = int(i) + 1;
        row.team = order[i];
        row.separation = gaps[i];
        row.reason = reasonText(row.separation);
        const bool endsPlace = i + 1 == order.size() || gaps[i].by != Separation::By::Nothing;
        if (!endsPlace)
            continue;
        for (std::size_t j = first; j <= i; ++j) {
            rows[j].firstPlace = int(first) + 1;
            rows[j].lastPlace = int(i) + 1;
            rows[j].place = placeText(rows[j].firstPlace, rows[j].lastPlace);
        }
        first = i + 1;
    }
    return rows;
}

} // namespace

std::vector<RankedRow> rankByRule(League &league, const RankingRule &rule) {
    std::vector<int> order;
    std::vector<Separation> gaps;
    if (rule.isProgramRule()) {
        rankByProgramRule(league, order, gaps);
        return rowsOf(order, gaps);
    }
    CriteriaRanking ranking(league, rule.criteria());
    ranking.rank();
    for (std::size_t i = 0; i < ranking.order().size(); ++i)
        league.standingsOrder[i + 1] = ranking.order()[i];
    return rowsOf(ranking.order(), ranking.gaps());
}

std::vector<RankedRow> rankByRule(League &league) {
    return rankByRule(league, league.rankingRule);
}

std::vector<RankedRow> rankingPreview(League &league, const RankingRule &rule) {
    const auto shown = league.standingsOrder;
    std::vector<RankedRow> rows = rankByRule(league, rule);
    league.standingsOrder = shown;
    return rows;
}

} // namespace soccer
