#pragma once

// One part of the question "how many other teams end above this team": the undecided teams that
// play each other, cut off from everything already settled. Each part is answered on its own by
// walking every outcome when there are few, by the mixed-integer solver otherwise.

#include "core/competition/pointsscheme.h"

#include <QDeadlineTimer>
#include <QList>
#include <atomic>

namespace soccer::places {

// Best: the fewest teams that must end with more points than the threshold.
// Worst: the most teams that can end with at least as many points as the threshold.
enum class Side { Best, Worst };

struct Question {
    Side side = Side::Best;
    int threshold = 0; // the team's own final points in its best or worst case
    PointsScheme scheme;

    bool counts(int points) const {
        return side == Side::Best ? points > threshold : points >= threshold;
    }
};

// `count` matches still to play between teams `first` and `second` of the component.
struct Fixture {
    int first = 0;
    int second = 0;
    int count = 0;
};

struct Component {
    QList<int> base; // each team's points before the fixtures below
    QList<Fixture> fixtures;
};

// The count of teams, bounded toward a wider range (a lower bound for Best, an upper one for
// Worst) when not exact.
struct Answer {
    int count = 0;
    bool exact = true;
};

// The number of ways the fixtures can end, or -1 once it passes `limit`.
long long outcomeCount(const Component &component, long long limit);

Answer walkOutcomes(const Component &component, const Question &question);

// One outcome found quickly, exact when it reaches the bound the component's size gives.
Answer quickOutcome(const Component &component, const Question &question);

// The bound the component's size gives without looking at a single match.
Answer plainBound(const Component &component, const Question &question);

Answer solveWithGlpk(const Component &component, const Question &question,
                     const QDeadlineTimer &deadline, const std::atomic_bool *cancel);

} // namespace soccer::places

namespace soccer::places {

// GLPK quiet on the terminal for one run of questions on the calling thread, and its memory of
// that thread given back at the end: a worker thread asks, then ends.
class SolverSession {
  public:
    SolverSession();
    ~SolverSession();
    SolverSession(const SolverSession &) = delete;
    SolverSession &operator=(const SolverSession &) = delete;
};

} // namespace soccer::places
