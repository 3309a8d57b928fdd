#include "core/league/score.h"

#include "core/competition/matchcount.h"
#include "core/league/matchresult.h"
#include "core/league/numbertext.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace soccer {

namespace {

bool isRemovedBlank(char16_t ch) {
    return ch == u' ' || ch == u'\t' || ch == u'\n';
}

// A character that no number can contain; it ends the number in its place.
constexpr char kStop = '\x01';

bool isTeamPair(int r, int c) {
    return r >= 1 && r <= kMaxTeams && c >= 1 && c <= kMaxTeams && r != c;
}

} // namespace

double readScoreNumber(QStringView text) {
    std::string compact;
    compact.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (isRemovedBlank(code))
            continue;
        compact.push_back(code < 0x80 ? char(code) : kStop);
    }
    double value = 0;
    numbertext::leadingNumber(compact, value);
    // A number too large for a double would make every later sum meaningless.
    return std::isfinite(value) ? value : 0;
}

QString formatScoreNumber(double value) {
    char text[numbertext::kCapacity];
    return QString::fromLatin1(text, numbertext::scoreForm(value, text));
}

QString scoreText(double x, double y) {
    char text[2 * numbertext::kCapacity + 1];
    int length = numbertext::scoreForm(x, text);
    text[length++] = ':';
    length += numbertext::scoreForm(y, text + length);
    return QString::fromLatin1(text, length);
}

bool splitScoreText(const QString &text, double &x, double &y) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    x = readScoreNumber(QStringView(text).left(colon));
    y = readScoreNumber(QStringView(text).mid(colon + 1));
    return true;
}

void countResult(CrossTable &table, int r, int c, double x, double y, int sign,
                 const PointsScheme &points) {
    TeamStats &row = table.stats[r];
    TeamStats &column = table.stats[c];
    row.goalsFor += sign * x;
    row.goalsAgainst += sign * y;
    column.goalsFor += sign * y;
    column.goalsAgainst += sign * x;
    countOutcome(row, column, x, y, sign, points);
}

void countResult(League &league, int k, int r, int c, double x, double y, int sign) {
    countResult(league.crossTables[k], r, c, x, y, sign, league.competition.points);
}

namespace {

// "+ -", "- +" and "- -" exactly: a technical result, the row team's side first (whether each
// side is awarded). These answers once read as a 0:0 draw, which no match ever meant.
std::optional<std::pair<bool, bool>> technicalAnswer(const QString &answer) {
    if (answer.size() != 3 || answer[1] != QLatin1Char(' '))
        return std::nullopt;
    const auto side = [](QChar mark) -> std::optional<bool> {
        if (mark == QLatin1Char('+'))
            return true;
        if (mark == QLatin1Char('-'))
            return false;
        return std::nullopt;
    };
    const std::optional<bool> row = side(answer[0]);
    const std::optional<bool> column = side(answer[2]);
    if (!row || !column || (*row && *column))
        return std::nullopt;
    return std::pair{*row, *column};
}

ScoreChange enterUnderRules(CrossTable &table, const CompetitionRules &rules, int r, int c,
                            const QString &answer) {
    if (!isTeamPair(r, c))
        return ScoreChange::None;
    QString &cell = table.cells[r][c];
    QString &mirror = table.cells[c][r];
    if (answer.isEmpty()) {
        // A stored text that is not a result cannot be taken out of the statistics.
        if (cell.isEmpty() || !countCell(table, rules, r, c, cell, -1))
            return ScoreChange::None;
        cell.clear();
        mirror.clear();
        return ScoreChange::Deleted;
    }
    const qsizetype blank = answer.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return ScoreChange::None;
    if (!countCell(table, rules, r, c, cell, -1))
        return ScoreChange::None;
    if (const std::optional<std::pair<bool, bool>> awarded = technicalAnswer(answer)) {
        cell = technicalResultText(awarded->first, awarded->second);
        mirror = technicalResultText(awarded->second, awarded->first);
    } else {
        const double x = readScoreNumber(QStringView(answer).left(blank));
        const double y = readScoreNumber(QStringView(answer).mid(blank + 1));
        cell = scoreText(x, y);
        mirror = scoreText(y, x);
    }
    countCell(table, rules, r, c, cell, +1);
    return ScoreChange::Recorded;
}

} // namespace

ScoreChange enterScore(CrossTable &table, int r, int c, const QString &answer) {
    return enterUnderRules(table, CompetitionRules{}, r, c, answer);
}

ScoreChange enterScore(League &league, int half, int r, int c, const QString &answer) {
    if (half < 1 || half > 2)
        return ScoreChange::None;
    return enterUnderRules(league.crossTables[half], league.competition, r, c, answer);
}

QString statisticText(double value) {
    char text[numbertext::kCapacity];
    return QString::fromLatin1(text, numbertext::plain(value, text));
}

} // namespace soccer
