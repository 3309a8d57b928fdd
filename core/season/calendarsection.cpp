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

// A bare number of up to four digits, so no value ever overflows an int; -1 when it is none.
int bareNumber(QStringView word) {
    if (word.isEmpty() || word.size() > 4)
        return -1;
    int number = 0;
    for (QChar c : word) {
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

// YYYY-MM-DD read by hand: a 99-team calendar has 9,702 dates, and QDate::fromString's format
// parser would make them the slowest part of opening the table.
QDate isoDate(QStringView word) {
    if (word.size() != 10 || word[4] != u'-' || word[7] != u'-')
        return {};
    const int year = bareNumber(word.mid(0, 4)), month = bareNumber(word.mid(5, 2)),
              day = bareNumber(word.mid(8, 2));
    return year < 0 || month < 0 || day < 0 ? QDate() : QDate(year, month, day);
}

// The fixture of one value, or why the value is none. The words are read as views of the
// value, so that the 9,702 lines of a large calendar make no strings of their own.
std::optional<Fixture> readFixture(const QString &value, QString &problem) {
    std::array<QStringView, 7> words;
    qsizetype count = 0;
    for (QStringView word : QStringView(value).tokenize(u' ')) {
        if (count == qsizetype(words.size()))
            break;
        words[std::size_t(count++)] = word;
    }
    Fixture f;
    std::array<int *, 4> numbers{&f.half, &f.round, &f.home, &f.away};
    bool ok = count >= 4 && count <= 6;
    for (std::size_t i = 0; ok && i < 4; ++i) {
        *numbers[i] = bareNumber(words[i]);
        ok = *numbers[i] >= 0;
    }
    for (qsizetype i = 4; ok && i < count; ++i) {
        const QStringView word = words[std::size_t(i)];
        if (word == kPostponed && !f.postponed && i == count - 1) {
            f.postponed = true;
        } else if (i == 4 && word.size() == 10) {
            f.date = isoDate(word);
            if (!f.date.isValid())
                return problem = QStringLiteral("«%1» не дата").arg(word), std::nullopt;
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
