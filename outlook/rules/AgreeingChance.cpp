#include "outlook/rules/AgreeingChance.h"

#include <algorithm>

namespace brackwell {

namespace {

// The teams that can hold a position in the agreeing outcomes, with the chance of each: at most
// the 64 that start below it.
struct Holders {
    int count = 0;
    int teams[64];
    double chances[64];
};

}  // namespace

double AgreeingChance(const OutlookField& field, PositionTeams winners, const SeedChances& chances) {
    for (auto p = field.OpenGames.rbegin(); p != field.OpenGames.rend(); ++p) {
        const int above = NextPosition(*p);
        if (winners[*p] != 0 || above == 0 || winners[above] == 0) continue;
        const std::vector<int>& contenders = field.Contenders[*p];
        if (std::find(contenders.begin(), contenders.end(), winners[above]) != contenders.end())
            winners[*p] = winners[above];
    }

    std::array<bool, kPositionCount + 1> undecided{};
    for (int game : field.UndecidedGames) undecided[game] = true;
    // Feeders come before the games they feed; a position of no undecided game holds its team.
    std::array<Holders, kPositionCount + 1> holders;
    for (int game : field.UndecidedGames) {
        Holders& here = holders[game];
        const auto [upper, lower] = FeedingPositions(game);
        for (const auto& [from, against] : {std::pair{upper, lower}, std::pair{lower, upper}}) {
            const int fromCount = undecided[from] ? holders[from].count : 1;
            const int againstCount = undecided[against] ? holders[against].count : 1;
            for (int k = 0; k < fromCount; ++k) {
                const int team = undecided[from] ? holders[from].teams[k] : field.Team[from];
                if (winners[game] != 0 && winners[game] != team) continue;
                double beaten = 0;
                for (int m = 0; m < againstCount; ++m) {
                    const int opponent = undecided[against] ? holders[against].teams[m] : field.Team[against];
                    const double reached = undecided[against] ? holders[against].chances[m] : 1.0;
                    beaten += reached * chances(field.Seed[team], field.Seed[opponent]);
                }
                here.teams[here.count] = team;
                here.chances[here.count++] = (undecided[from] ? holders[from].chances[k] : 1.0) * beaten;
            }
        }
    }
    // Games below an entered result, or the final, end a bracket of their own. The winner of an
    // open game below an entered result lost there to the team entered.
    double total = 1.0;
    for (int game : field.UndecidedGames) {
        const int above = NextPosition(game);
        if (above != 0 && undecided[above]) continue;
        const bool lost = above != 0 && field.Team[game] == 0;
        double sum = 0;
        for (int k = 0; k < holders[game].count; ++k)
            sum += holders[game].chances[k] *
                   (lost ? chances(field.Seed[above], field.Seed[holders[game].teams[k]]) : 1.0);
        total *= sum;
    }
    return total;
}

}  // namespace brackwell
