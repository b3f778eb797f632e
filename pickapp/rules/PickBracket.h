#pragma once
// The participant's bracket: one caption per position 1..127, the 64 starting slots from the
// field, every pick made by clicking a team forward.

#include <array>
#include <string>

#include "fieldblock/PickField.h"

namespace brackwell::pick {

inline constexpr int kPositionCount = 127;
inline constexpr int kChampion = 127;

// The position that a position's winner moves to; 0 for the champion.
int FedPosition(int position);
// The other position feeding the same game; 0 for the champion.
int OpponentPosition(int position);
// The position of starting slot k (0..15) of region r (0..3), which holds team 16r + k.
constexpr int StartingPosition(int team) { return 31 * (team / 16) + 1 + team % 16; }

class PickBracket {
public:
    explicit PickBracket(const PickField& field);

    // The name shown at a position (1..127); empty when nothing is picked there.
    const std::string& Caption(int position) const { return captions_.at(static_cast<std::size_t>(position)); }

    // A click on a position: its team moves on to the position it feeds, and the team it beat
    // is taken out of every later position that still shows it. A semifinal winner goes on to
    // the champion's position alone; a click on the champion changes nothing.
    void Click(int position);

private:
    std::array<std::string, kPositionCount + 1> captions_;  // index 0 unused
};

}  // namespace brackwell::pick
