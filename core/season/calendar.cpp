#include "core/season/calendar.h"

#include <algorithm>
#include <array>
#include <vector>

namespace soccer {

int roundCount(const Calendar &calendar) {
    int rounds = 0;
    for (const Fixture &fixture : calendar.fixtures)
        rounds = std::max(rounds, fixture.round);
    return rounds;
}

DateSpan datesOf(const Calendar &calendar) {
    DateSpan span;
    for (const Fixture &fixture : calendar.fixtures) {
        if (!fixture.date.isValid())
            continue;
        if (!span.first.isValid() || fixture.date < span.first)
            span.first = fixture.date;
        if (!span.last.isValid() || fixture.date > span.last)
            span.last = fixture.date;
    }
    return span;
}

const Fixture *findFixture(const Calendar &calendar, int half, int a, int b) {
    for (const Fixture &fixture : calendar.fixtures) {
        if (fixture.half == half &&
            ((fixture.home == a && fixture.away == b) || (fixture.home == b && fixture.away == a)))
            return &fixture;
    }
    return nullptr;
}

Fixture *findFixture(Calendar &calendar, int half, int a, int b) {
    return const_cast<Fixture *>(findFixture(std::as_const(calendar), half, a, b));
}

namespace {

QString fixtureProblem(const Fixture &fixture, int teamCount) {
    auto inRange = [teamCount](int team) { return team >= 1 && team <= teamCount; };
    if (fixture.half != 1 && fixture.half != 2)
        return QStringLiteral("круг %1 не 1 и не 2").arg(fixture.half);
    if (!inRange(fixture.home) || !inRange(fixture.away))
        return QStringLiteral("команды %1 нет в таблице")
            .arg(inRange(fixture.home) ? fixture.away : fixture.home);
    if (fixture.home == fixture.away)
        return QStringLiteral("команда %1 играет сама с собой").arg(fixture.home);
    if (fixture.round < 1 || fixture.round > kMaxRound)
        return QStringLiteral("тура %1 быть не может (туры от 1 до %2)")
            .arg(fixture.round)
            .arg(kMaxRound);
    return {};
}

} // namespace

QString calendarProblem(const Calendar &calendar, int teamCount) {
    // Teams are checked in range before a pair is marked, so the marks stay in bounds.
    std::vector<bool> pairs(2 * (teamCount + 1) * (teamCount + 1), false);
    for (const Fixture &fixture : calendar.fixtures) {
        if (QString problem = fixtureProblem(fixture, teamCount); !problem.isEmpty())
            return problem;
        const auto [low, high] = std::minmax(fixture.home, fixture.away);
        const size_t mark =
            size_t(((fixture.half - 1) * (teamCount + 1) + low) * (teamCount + 1) + high);
        if (pairs[mark])
            return QStringLiteral("пара %1 и %2 дважды в круге %3")
                .arg(low)
                .arg(high)
                .arg(fixture.half);
        pairs[mark] = true;
    }
    return {};
}

} // namespace soccer
