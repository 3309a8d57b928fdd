#pragma once

#include "core/league/league.h"
#include "core/ranking/rankingrule.h"

#include <QString>
#include <array>
#include <span>

namespace soccer {

// One team's results against the other teams of a group: its mini-league.
struct HeadToHeadFigures {
    double points = 0;
    double goalsFor = 0;
    double goalsAgainst = 0;

    double difference() const { return goalsFor - goalsAgainst; }
    // The figure a head-to-head criterion compares.
    double value(Criterion criterion) const;
};

// Reads the mini-leagues of one table. The matches are the score cells of both halves; a
// team's figures come from its own row (cells[r][c] holds r's goals first), so a pair played
// in both halves counts twice. A cell whose text is not a result (no ':', the empty cell
// included) is no match, nor is a match of a team whose results are annulled. Points and
// technical results count under the competition's rules. The table must not change while a
// HeadToHead reads it.
class HeadToHead {
  public:
    explicit HeadToHead(const League &league) : league_(league) {}

    // The team's figures over its matches against the other teams of `group`.
    HeadToHeadFigures figures(int team, std::span<const int> group);

  private:
    // What one cell gives its row team: a result that counts, its points and goals.
    struct CellScore {
        const QChar *data = nullptr;
        qsizetype size = -1;
        bool counts = false;
        double points = 0;
        double goalsFor = 0;
        double goalsAgainst = 0;
    };
    const CellScore &score(const QString &cell);

    const League &league_;
    // Equal score texts of a table share their characters, so the last reading of each
    // shared text answers for all its cells: a large tie then reads a few texts, not
    // thousands of cells.
    static constexpr std::size_t kRecentTexts = 256;
    std::array<CellScore, kRecentTexts> recent_{};
};

} // namespace soccer
