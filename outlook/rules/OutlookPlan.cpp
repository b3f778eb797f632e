#include "outlook/rules/OutlookPlan.h"

#include <algorithm>

namespace brackwell {

OutlookPlan::OutlookPlan(const OutlookField& field) {
    for (int game : field.UndecidedGames)
        if (field.Team[game] != 0) settled.set(game);
    // Round by round from the final down, so that the games worth most are decided first.
    std::vector<int> games(field.OpenGames.rbegin(), field.OpenGames.rend());
    std::stable_sort(games.begin(), games.end(),
                     [](int a, int b) { return RoundOfPosition(a) > RoundOfPosition(b); });
    for (int game : games) {
        Step step;
        step.game = game;
        step.above = NextPosition(game);
        step.aboveOpen = step.above != 0 && field.Team[step.above] == 0;
        const auto [upper, lower] = FeedingPositions(game);
        step.known[0] = field.Team[upper];
        step.known[1] = field.Team[lower];
        steps.push_back(step);
        for (int team : field.Contenders[game]) reaches[game].set(team);
    }
}

}  // namespace brackwell
