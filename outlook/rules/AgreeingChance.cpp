#include "outlook/rules/AgreeingChance.h"

#include <algorithm>
#include <vector>

namespace brackwell {

namespace {

// The teams that can hold a position in the agreeing outcomes, with the chance of each.
struct Holders {
    std::vector<int> teams;
    std::vector<double> chances;
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

    std::vector<bool> undecided(kPositionCount + 1, false);
    for (int game : field.UndecidedGames) undecided[game] = true;
    // Feeders come before the games they feed.
    std::array<Holders, kPositionCount + 1> holders;
    for (int p = 1; p <= kPositionCount; ++p) {
        Holders& here = holders[p];
        if (!undecided[p]) {
            here.teams = {field.Team[p]};
            here.chances = {1.0};
            continue;
        }
        const auto [upper, lower] = FeedingPositions(p);
        for (const auto& [from, against] : {std::pair{upper, lower}, std::pair{lower, upper}}) {
            const Holders& mine = holders[from];
            const Holders& theirs = holders[against];
            for (std::size_t k = 0; k < mine.teams.size(); ++k) {
                const int team = mine.teams[k];
                if (winners[p] != 0 && winners[p] != team) continue;
                double beaten = 0;
                for (std::size_t m = 0; m < theirs.teams.size(); ++m)
                    beaten += theirs.chances[m] * chances(field.Seed[team], field.Seed[theirs.teams[m]]);
                here.teams.push_back(team);
                here.chances.push_back(mine.chances[k] * beaten);
            }
        }
    }
    // Games below an entered result, or the final, end a bracket of their own.
    double total = 1.0;
    for (int game : field.UndecidedGames) {
        const int above = NextPosition(game);
        if (above != 0 && undecided[above]) continue;
        double sum = 0;
        for (double chance : holders[game].chances) sum += chance;
        total *= sum;
    }
    return total;
}

}  // namespace brackwell
