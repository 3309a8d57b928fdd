#include "core/season/calendaredit.h"

#include "core/import/importcalendar.h"

#include <QStringList>
#include <utility>

namespace soccer {

std::optional<MatchSlot> readMatchSlot(const QString &text) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > 2)
        return std::nullopt;
    bool isNumber = false;
    const int round = words[0].toInt(&isNumber);
    if (!isNumber || round < 1 || round > kMaxRound)
        return std::nullopt;
    MatchSlot slot{round, {}};
    if (words.size() == 2) {
        slot.date = importedDate(words[1]);
        if (!slot.date.isValid())
            return std::nullopt;
    }
    return slot;
}

bool moveFixture(Calendar &calendar, int half, int home, int away, const MatchSlot &slot) {
    Fixture *fixture = findFixture(calendar, half, home, away);
    if (!fixture || (fixture->round == slot.round && fixture->date == slot.date))
        return false;
    fixture->round = slot.round;
    fixture->date = slot.date;
    fixture->postponed = true;
    return true;
}

bool swapHomeAway(Calendar &calendar, int half, int home, int away) {
    Fixture *fixture = findFixture(calendar, half, home, away);
    if (!fixture)
        return false;
    std::swap(fixture->home, fixture->away);
    return true;
}

} // namespace soccer
