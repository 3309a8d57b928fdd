#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace soccer {

// What decides between teams level on points. The head-to-head criteria count only the
// matches among the teams still tied when the criterion is reached.
enum class Criterion {
    Wins,
    GoalDifference,
    GoalsFor,
    HeadToHeadPoints,
    HeadToHeadDifference,
    HeadToHeadGoalsFor,
};
constexpr std::array<Criterion, 6> kAllCriteria = {
    Criterion::Wins,
    Criterion::GoalDifference,
    Criterion::GoalsFor,
    Criterion::HeadToHeadPoints,
    Criterion::HeadToHeadDifference,
    Criterion::HeadToHeadGoalsFor,
};

bool isHeadToHead(Criterion criterion);

// The rules a user picks from; Custom is any order of the criteria the user assembles.
enum class RulePreset {
    Program,             // points, wins, goal difference, goals for: the results table's own rule
    GoalsThenHeadToHead, // points, goal difference, goals for, then head-to-head
    HeadToHeadFirst,     // points, head-to-head, then goal difference, goals for, wins
    Custom,
};
constexpr std::array<RulePreset, 4> kAllPresets = {
    RulePreset::Program,
    RulePreset::GoalsThenHeadToHead,
    RulePreset::HeadToHeadFirst,
    RulePreset::Custom,
};

// How the teams of a table are ranked: always by points first, then by the rule's criteria in
// order. The program's rule is the default and ranks exactly as the results table always has
// (distinct places, complete ties in team order); every other rule, a custom one with the same
// criteria included, lets teams equal on every criterion share their place.
class RankingRule {
  public:
    RankingRule() = default; // the program's rule

    // The fixed order of a preset; for RulePreset::Custom a custom rule with no criteria.
    static RankingRule fromPreset(RulePreset preset);
    // Any order of the criteria; a criterion given twice counts at its first place.
    static RankingRule custom(const std::vector<Criterion> &criteria);

    RulePreset preset() const { return preset_; }
    const std::vector<Criterion> &criteria() const { return criteria_; }
    bool isProgramRule() const { return preset_ == RulePreset::Program; }

    bool operator==(const RankingRule &) const = default;

  private:
    RankingRule(RulePreset preset, std::vector<Criterion> criteria)
        : preset_(preset), criteria_(std::move(criteria)) {}

    RulePreset preset_ = RulePreset::Program;
    std::vector<Criterion> criteria_{Criterion::Wins, Criterion::GoalDifference,
                                     Criterion::GoalsFor};
};

// The Russian names the window shows.
QString presetName(RulePreset preset);
QString criterionName(Criterion criterion); // "победы", "личные встречи: очки"
// The preset's name, and for a custom rule its order: "Свой порядок: очки, забитые мячи, ...".
QString ruleDescription(const RankingRule &rule);

// The rule as one word of ASCII without blanks or commas, for the table file and the command
// line: "head-to-head-first", or "custom:" followed by criterion keys joined by '+'
// ("custom:head-to-head-points+wins").
QString ruleKey(const RankingRule &rule);
// The rule of a key; nothing for a key that names no rule (unknown words, a criterion twice).
std::optional<RankingRule> ruleFromKey(QStringView key);

QString presetKey(RulePreset preset);
QString criterionKey(Criterion criterion);

} // namespace soccer
