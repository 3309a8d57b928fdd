#include "core/files/ruletrailer.h"

#include "core/league/errors.h"

namespace soccer {

namespace {

constexpr QLatin1StringView kTrailerStart("ranking-rule: ");

} // namespace

void writeRuleTrailer(LineWriter &writer, const RankingRule &rule) {
    if (rule.isProgramRule())
        return;
    writer.writeTextLine(kTrailerStart + ruleKey(rule));
}

RankingRule readRuleTrailer(ListReader &reader) {
    if (reader.atEnd())
        return {};
    try {
        return ruleOfTrailerLine(reader.readText());
    } catch (const CoreError &) {
        return {}; // such as a quote that never closes: not a trailer of this program
    }
}

RankingRule ruleOfTrailerLine(const QString &line) {
    if (!line.startsWith(kTrailerStart))
        return {};
    return ruleFromKey(QStringView(line).sliced(kTrailerStart.size())).value_or(RankingRule());
}

} // namespace soccer
