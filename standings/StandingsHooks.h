#pragma once
// What the standings window asks of the bracket window it works on.

#include <functional>

namespace brackwell {

struct StandingsHooks {
    std::function<void(bool locked)> lockBracket;  // the bracket window's player fields, score field, title, region titles, points labels and header labels disabled (true) or enabled again
    std::function<void()> closed;                  // after Exit: the bracket window re-enables "Score Selections" and is shown
};

}  // namespace brackwell
