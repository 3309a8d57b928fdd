#include "core/ranking/rankingrule.h"

#include <QStringList>
#include <algorithm>

namespace soccer {

namespace {

constexpr QLatin1StringView kCustomSeparator(":");
constexpr QLatin1Char kCriterionSeparator('+');

std::vector<Criterion> presetCriteria(RulePreset preset) {
    using enum Criterion;
    switch (preset) {
    case RulePreset::Program:
        return {Wins, GoalDifference, GoalsFor};
    case RulePreset::GoalsThenHeadToHead:
        return {GoalDifference, GoalsFor, HeadToHeadPoints, HeadToHeadDifference,
                HeadToHeadGoalsFor};
    case RulePreset::HeadToHeadFirst:
        return {HeadToHeadPoints,   HeadToHeadDifference,
                HeadToHeadGoalsFor, GoalDifference,
                GoalsFor,           Wins};
    case RulePreset::Custom:
        break;
    }
    return {};
}

std::optional<RulePreset> presetOfKey(QStringView key) {
    for (RulePreset preset : kAllPresets) {
        if (key == presetKey(preset))
            return preset;
    }
    return std::nullopt;
}

std::optional<Criterion> criterionOfKey(QStringView key) {
    for (Criterion criterion : kAllCriteria) {
        if (key == criterionKey(criterion))
            return criterion;
    }
    return std::nullopt;
}

// "wins+goals-for" (or nothing at all) as criteria; nothing for an unknown or repeated word.
std::optional<std::vector<Criterion>> criteriaOfKeys(QStringView keys) {
    std::vector<Criterion> criteria;
    if (keys.isEmpty())
        return criteria;
    for (QStringView word : keys.split(kCriterionSeparator)) {
        const std::optional<Criterion> criterion = criterionOfKey(word);
        if (!criterion || std::ranges::find(criteria, *criterion) != criteria.end())
            return std::nullopt;
        criteria.push_back(*criterion);
    }
    return criteria;
}

} // namespace

bool isHeadToHead(Criterion criterion) {
    return criterion == Criterion::HeadToHeadPoints ||
           criterion == Criterion::HeadToHeadDifference ||
           criterion == Criterion::HeadToHeadGoalsFor;
}

RankingRule RankingRule::fromPreset(RulePreset preset) {
    return RankingRule(preset, presetCriteria(preset));
}

RankingRule RankingRule::custom(const std::vector<Criterion> &criteria) {
    std::vector<Criterion> unique;
    for (Criterion criterion : criteria) {
        if (std::ranges::find(unique, criterion) == unique.end())
            unique.push_back(criterion);
    }
    return RankingRule(RulePreset::Custom, std::move(unique));
}

QString presetName(RulePreset preset) {
    switch (preset) {
    case RulePreset::Program:
        return QStringLiteral("Правило программы: очки, победы, разница мячей, забитые мячи");
    case RulePreset::GoalsThenHeadToHead:
        return QStringLiteral("Очки, разница мячей, забитые мячи, затем личные встречи");
    case RulePreset::HeadToHeadFirst:
        return QStringLiteral("Очки, личные встречи (очки, разница, забитые), затем разница "
                              "мячей, забитые мячи, победы");
    case RulePreset::Custom:
        break;
    }
    return QStringLiteral("Свой порядок");
}

QString criterionName(Criterion criterion) {
    switch (criterion) {
    case Criterion::Wins:
        return QStringLiteral("победы");
    case Criterion::GoalDifference:
        return QStringLiteral("разница мячей");
    case Criterion::GoalsFor:
        return QStringLiteral("забитые мячи");
    case Criterion::HeadToHeadPoints:
        return QStringLiteral("личные встречи: очки");
    case Criterion::HeadToHeadDifference:
        return QStringLiteral("личные встречи: разница");
    case Criterion::HeadToHeadGoalsFor:
        break;
    }
    return QStringLiteral("личные встречи: забитые");
}

QString ruleDescription(const RankingRule &rule) {
    if (rule.preset() != RulePreset::Custom)
        return presetName(rule.preset());
    QStringList parts{QStringLiteral("очки")};
    for (Criterion criterion : rule.criteria())
        parts.append(criterionName(criterion));
    return presetName(RulePreset::Custom) + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

QString presetKey(RulePreset preset) {
    switch (preset) {
    case RulePreset::Program:
        return QStringLiteral("program");
    case RulePreset::GoalsThenHeadToHead:
        return QStringLiteral("goals-then-head-to-head");
    case RulePreset::HeadToHeadFirst:
        return QStringLiteral("head-to-head-first");
    case RulePreset::Custom:
        break;
    }
    return QStringLiteral("custom");
}

QString criterionKey(Criterion criterion) {
    switch (criterion) {
    case Criterion::Wins:
        return QStringLiteral("wins");
    case Criterion::GoalDifference:
        return QStringLiteral("goal-difference");
    case Criterion::GoalsFor:
        return QStringLiteral("goals-for");
    case Criterion::HeadToHeadPoints:
        return QStringLiteral("head-to-head-points");
    case Criterion::HeadToHeadDifference:
        return QStringLiteral("head-to-head-difference");
    case Criterion::HeadToHeadGoalsFor:
        break;
    }
    return QStringLiteral("head-to-head-goals-for");
}

QString ruleKey(const RankingRule &rule) {
    QString key = presetKey(rule.preset());
    if (rule.preset() != RulePreset::Custom)
        return key;
    QStringList words;
    for (Criterion criterion : rule.criteria())
        words.append(criterionKey(criterion));
    return key + kCustomSeparator + words.join(kCriterionSeparator);
}

std::optional<RankingRule> ruleFromKey(QStringView key) {
    const qsizetype separator = key.indexOf(kCustomSeparator);
    const bool listed = separator >= 0;
    const std::optional<RulePreset> preset = presetOfKey(listed ? key.first(separator) : key);
    if (!preset)
        return std::nullopt;
    if (*preset != RulePreset::Custom)
        return listed ? std::nullopt : std::optional(RankingRule::fromPreset(*preset));
    const auto criteria = criteriaOfKeys(listed ? key.sliced(separator + 1) : QStringView());
    if (!criteria)
        return std::nullopt;
    return RankingRule::custom(*criteria);
}

} // namespace soccer
