#pragma once

#include <QString>

namespace soccer {

// What the text of a score cell says of its match, read once for everything that counts
// matches rather than cells. The cell's own team (its row) is "home" here: the first number.
struct MatchResult {
    enum class Kind {
        None,      // no result recorded
        Score,     // goals, possibly fractional or negative as typed
        Technical, // awarded without a score: "+:-", "-:+" or "-:-"
    };
    Kind kind = Kind::None;
    double homeGoals = 0; // Score only
    double awayGoals = 0;
    bool homeAwarded = false; // Technical only: the "+" side; "-:-" awards neither
    bool awayAwarded = false;

    bool operator==(const MatchResult &) const = default;
};

// "+:-", "-:+" and "-:-" exactly are technical results; any other text with a ':' is a score
// by the score rules (splitScoreText); a text without one is no result.
MatchResult readMatchResult(const QString &cellText);

// The text a technical result is stored as, from the row team's side ("+:-" when only it is
// awarded).
QString technicalResultText(bool homeAwarded, bool awayAwarded);

} // namespace soccer
