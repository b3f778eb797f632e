#include "outlook/rules/OutlookPlan.h"

namespace brackwell {

OutlookPlan::OutlookPlan(const OutlookField& field) {
    for (int game : field.UndecidedGames)
        if (field.Team[game] != 0) settled.set(game);
    for (auto p = field.OpenGames.rbegin(); p != field.OpenGames.rend(); ++p) {
        Step step;
        step.game = *p;
        step.above = NextPosition(*p);
        step.aboveOpen = step.above != 0 && field.Team[step.above] == 0;
        step.aboveChance = step.aboveOpen || (step.above != 0 && settled[step.above]);
        const auto [upper, lower] = FeedingPositions(*p);
        step.known[0] = field.Team[upper];
        step.known[1] = field.Team[lower];
        steps.push_back(step);
        for (int team : field.Contenders[*p]) reaches[*p].set(team);
    }
}

}  // namespace brackwell
