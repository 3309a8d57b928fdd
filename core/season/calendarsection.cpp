#include "core/season/calendarsection.h"

#include <optional>

namespace soccer {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
constexpr QLatin1StringView kPostponed("postponed");

QString fixtureValue(const Fixture &f) {
    QString value = QStringLiteral("%1 %2 %3 %4").arg(f.half).arg(f.round).arg(f.home).arg(f.away);
    if (f.date.isValid())
        value += u' ' + f.date.toString(kDateFormat);
    if (f.postponed)
        value += u' ' + kPostponed;
    return value;
}

// A bare number of up to four digits, so no value ever overflows an int.
std::optional<int> bareNumber(const QString &word) {
    bool ok = false;
    const int number = word.toInt(&ok);
    if (!ok || word.size() > 4 ||
        !std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return number;
}

// YYYY-MM-DD read by hand: a 99-team calendar has 9,702 dates, and QDate::fromString's format
// parser would make them the slowest part of opening the table.
QDate isoDate(const QString &word) {
    const auto digits = [&word](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            if (!word[i].isDigit())
                return -1;
            value = value * 10 + word[i].digitValue();
        }
        return value;
    };
    if (word[4] != u'-' || word[7] != u'-')
        return {};
    const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
    return year < 0 || month < 0 || day < 0 ? QDate() : QDate(year, month, day);
}

// The fixture of one value, or why the value is none.
std::optional<Fixture> readFixture(const QString &value, QString &problem) {
    const QStringList words = value.split(u' ');
    Fixture f;
    std::array<int *, 4> numbers{&f.half, &f.round, &f.home, &f.away};
    bool ok = words.size() >= 4 && words.size() <= 6;
    for (int i = 0; ok && i < 4; ++i) {
        const auto number = bareNumber(words[i]);
        ok = number.has_value();
        *numbers[i] = number.value_or(0);
    }
    for (int i = 4; ok && i < words.size(); ++i) {
        if (words[i] == kPostponed && !f.postponed && i == words.size() - 1) {
            f.postponed = true;
        } else if (i == 4 && words[i].size() == 10) {
            f.date = isoDate(words[i]);
            if (!f.date.isValid())
                return problem = QStringLiteral("«%1» не дата").arg(words[i]), std::nullopt;
        } else {
            ok = false;
        }
    }
    if (!ok)
        return problem = QStringLiteral("строка «calendar: %1» не читается").arg(value),
               std::nullopt;
    return f;
}

} // namespace

QStringList writeCalendarPart(const League &league) {
    QStringList values;
    values.reserve(qsizetype(league.calendar.fixtures.size()));
    for (const Fixture &f : league.calendar.fixtures)
        values.push_back(fixtureValue(f));
    return values;
}

QStringList readCalendarPart(const QStringList &values, League &into, QStringList &notes) {
    Calendar calendar;
    calendar.fixtures.reserve(size_t(values.size()));
    QString problem;
    for (const QString &value : values) {
        const auto fixture = readFixture(value, problem);
        if (!fixture)
            break;
        calendar.fixtures.push_back(*fixture);
    }
    if (problem.isEmpty())
        problem = calendarProblem(calendar, into.teamCount);
    if (!problem.isEmpty()) {
        into.calendar = {};
        notes.push_back(QStringLiteral("Календарь таблицы отброшен: %1. Строки календаря "
                                       "останутся в файле как были.")
                            .arg(problem));
        return values;
    }
    into.calendar = std::move(calendar);
    return {};
}

} // namespace soccer
