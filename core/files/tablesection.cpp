#include "core/files/tablesection.h"

#include "core/competition/rulessection.h"
#include "core/ranking/rankingrule.h"
#include "core/season/calendarsection.h"

#include <array>

namespace soccer {

namespace {

constexpr QLatin1StringView kKindEnd(": ");

QString lineOf(QLatin1StringView kind, const QString &value) {
    return kind + kKindEnd + value;
}

// The ranking rule: the program's own writes nothing. One line naming a known rule exactly as
// written (no other blanks, no other case) is the rule; any other is kept as it is, and the
// table ranks by the program's rule meanwhile.
QStringList readRankingRule(const QStringList &values, League &into, QStringList &notes) {
    into.rankingRule = {};
    QStringList unread = values;
    if (!values.isEmpty()) {
        if (const std::optional<RankingRule> rule = ruleFromKey(values.first())) {
            into.rankingRule = *rule;
            unread.removeFirst();
        }
    }
    if (!unread.isEmpty())
        notes.append(QStringLiteral("Правило ранжирования «%1» не прочитано: таблица упорядочена "
                                    "по правилу программы, а строка сохранена как есть.")
                         .arg(unread.first()));
    return unread;
}

QStringList writeRankingRule(const League &league) {
    if (league.rankingRule.isProgramRule())
        return {};
    return {ruleKey(league.rankingRule)};
}

// clang-format off
constexpr std::array kParts = {
//   kind                                 read              write
    SectionPart{QLatin1StringView("ranking-rule"), readRankingRule, writeRankingRule},
    SectionPart{QLatin1StringView("points"), readPointsPart, writePointsPart},
    SectionPart{QLatin1StringView("technical"), readTechnicalPart, writeTechnicalPart},
    SectionPart{QLatin1StringView("deduction"), readDeductionPart, writeDeductionPart},
    SectionPart{QLatin1StringView("withdrawal"), readWithdrawalPart, writeWithdrawalPart},
    SectionPart{QLatin1StringView("calendar"),     readCalendarPart, writeCalendarPart},
    SectionPart{QLatin1StringView("relegation"), readRelegationPart, writeRelegationPart},
};
// clang-format on

const SectionPart *partOf(QStringView kind) {
    for (const SectionPart &part : kParts) {
        if (kind == part.kind)
            return &part;
    }
    return nullptr;
}

bool isKindCharacter(QChar ch) {
    return (ch >= u'a' && ch <= u'z') || (ch >= u'0' && ch <= u'9') || ch == u'-';
}

} // namespace

std::span<const SectionPart> sectionParts() {
    return kParts;
}

// One pass over the kind's characters: this runs for each of a large calendar's lines.
QStringView sectionKindOf(QStringView line) {
    qsizetype end = 0;
    while (end < line.size() && isKindCharacter(line[end]))
        ++end;
    if (end == 0 || !line.sliced(end).startsWith(kKindEnd))
        return {};
    return line.first(end);
}

QStringList readTableSection(ListReader &reader, League &into) {
    QStringList lines = reader.readLines();
    // The values of each part's lines, and the lines of no part, each in file order.
    std::array<QStringList, kParts.size()> values;
    QStringList unknown;
    for (QString &line : lines) {
        const SectionPart *part = partOf(sectionKindOf(line));
        if (part == nullptr) {
            unknown.append(line);
            continue;
        }
        // The kind is cut off in place: a calendar of 9,702 lines would otherwise copy each.
        line.remove(0, part->kind.size() + kKindEnd.size());
        values[std::size_t(part - kParts.data())].append(std::move(line));
    }
    QStringList notes;
    QStringList kept;
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        for (const QString &value : kParts[i].read(values[i], into, notes))
            kept.append(lineOf(kParts[i].kind, value));
    }
    into.keptSectionLines = kept + unknown;
    return notes;
}

void writeTableSection(LineWriter &writer, const League &league) {
    std::array<bool, kParts.size()> writes{};
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const QStringList values = kParts[i].write(league);
        writes[i] = !values.isEmpty();
        for (const QString &value : values)
            writer.writeWholeLine(lineOf(kParts[i].kind, value));
    }
    // A kept line of a part that now writes lines of its own is one the part has replaced.
    for (const QString &line : league.keptSectionLines) {
        const SectionPart *part = partOf(sectionKindOf(line));
        if (part == nullptr || !writes[std::size_t(part - kParts.data())])
            writer.writeWholeLine(line);
    }
}

} // namespace soccer
