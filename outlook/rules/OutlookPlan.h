#pragma once
// The order in which the open games are decided, from the top of the bracket down: first who
// wins the title, then who loses the final, and so on round by round down to the first open one. A team that
// wins a game has won every game below on its way, so those are not chosen again; any other game
// goes to one of the teams that can reach it.

#include <bitset>
#include <vector>

#include "outlook/rules/OutlookField.h"

namespace brackwell {

struct OutlookPlan {
    struct Step {
        int game = 0;
        int above = 0;              // the game its winner plays next, 0 after the final
        bool aboveOpen = false;     // that game is open too
        int known[2] = {0, 0};      // teams certain at its feeders (0: an open feeder)
    };

    explicit OutlookPlan(const OutlookField& field);

    // The winner of the game above when it came through the step's game, which then goes to it;
    // 0 when any team that can reach the game may win it.
    int ForcedTeam(int level, const PositionTeams& teams) const {
        const Step& step = steps[level];
        if (step.aboveOpen && reaches[step.game][teams[step.above]]) return teams[step.above];
        return 0;
    }

    std::vector<Step> steps;  // every game before the games that feed it
    std::array<std::bitset<kPositionCount + 1>, kPositionCount + 1> reaches;
    std::bitset<kPositionCount + 1> settled;  // open lines settled by a later result
};

}  // namespace brackwell
