#include "core/league/league.h"

#include "core/files/codepage.h"

#include <algorithm>

namespace soccer {

namespace {

// One switch for both the reading and the writing access.
template <typename Stats> auto &counterOf(Stats &stats, Counter counter) {
    switch (counter) {
    case Counter::Played:
        return stats.played;
    case Counter::Losses:
        return stats.losses;
    case Counter::Draws:
        return stats.draws;
    case Counter::Wins:
        return stats.wins;
    case Counter::GoalsFor:
        return stats.goalsFor;
    case Counter::GoalsAgainst:
        return stats.goalsAgainst;
    case Counter::Points:
    case Counter::GoalDifference: // computed: counterValue works it out, counterRef refuses it
        break;
    }
    return stats.points;
}

} // namespace

double counterValue(const TeamStats &stats, Counter counter) {
    if (counter == Counter::GoalDifference)
        return stats.goalsFor - stats.goalsAgainst;
    return counterOf(stats, counter);
}

double &counterRef(TeamStats &stats, Counter counter) {
    Q_ASSERT(counter != Counter::GoalDifference);
    return counterOf(stats, counter);
}

void clearResults(League &league) {
    const int count = std::clamp(league.teamCount, 0, kMaxTeams);
    for (int k = 1; k <= 2; ++k) {
        CrossTable &table = league.crossTables[k];
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c)
                table.cells[r][c].clear();
            table.stats[r] = TeamStats{};
        }
    }
}

TextProblem tableTextProblem(const QString &text) {
    for (QChar ch : text) {
        if (ch == QLatin1Char(','))
            return TextProblem::Comma;
        if (ch == QLatin1Char('"'))
            return TextProblem::DoubleQuote;
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            return TextProblem::LineBreak;
    }
    return fitsTableCodePage(text) ? TextProblem::None : TextProblem::NotInCodePage;
}

QString tableTextProblemMessage(TextProblem problem) {
    switch (problem) {
    case TextProblem::None:
        break;
    case TextProblem::Comma:
        return QStringLiteral("Имя не может содержать запятую");
    case TextProblem::DoubleQuote:
        return QStringLiteral("Имя не может содержать двойные кавычки");
    case TextProblem::LineBreak:
        return QStringLiteral("Имя не может содержать перевод строки");
    case TextProblem::NotInCodePage:
        return QStringLiteral(
            "Имя содержит знак, который нельзя сохранить в файле таблицы (допустимы русские и "
            "латинские буквы, цифры и обычные знаки)");
    }
    return {};
}

} // namespace soccer
