#include "outlook/rules/AgreeingChance.h"

#include <algorithm>

namespace brackwell {

namespace {

bool HoldsNothingAbove(const std::array<bool, kPositionCount + 1>& undecided, int game) {
    const int above = NextPosition(game);
    return above == 0 || !undecided[above];
}

// What a team's chance is multiplied by where its game ends a bracket of its own: the team
// entered above an open game beat whoever won it.
double EndOfBracket(const OutlookField& field, const SeedChances& chances, int game, int team) {
    const int above = NextPosition(game);
    return above != 0 && field.Team[game] == 0 ? chances(field.Seed[above], field.Seed[team]) : 1.0;
}

}  // namespace

AgreeingBracket::AgreeingBracket(const OutlookField& field, PositionTeams winners, const SeedChances& chances)
    : field_(field), chances_(chances) {
    for (auto p = field.OpenGames.rbegin(); p != field.OpenGames.rend(); ++p) {
        const int above = NextPosition(*p);
        if (winners[*p] != 0 || above == 0 || winners[above] == 0) continue;
        const std::vector<int>& contenders = field.Contenders[*p];
        if (std::find(contenders.begin(), contenders.end(), winners[above]) != contenders.end())
            winners[*p] = winners[above];
    }
    for (int game : field.UndecidedGames) undecided_[game] = true;
    // Feeders come before the games they feed; a position of no undecided game holds its team.
    for (int game : field.UndecidedGames) {
        Holders& here = inside_[game];
        const auto [upper, lower] = FeedingPositions(game);
        for (const auto& [from, against] : {std::pair{upper, lower}, std::pair{lower, upper}}) {
            for (int k = 0; k < Count(from); ++k) {
                const int team = Team(from, k);
                if (winners[game] != 0 && winners[game] != team) continue;
                here.of[here.count++] = {team, k, Reached(from, k) * Beats(team, against)};
            }
            if (from == upper) here.fromUpper = here.count;
        }
    }
}

double AgreeingBracket::Beats(int team, int against) const {
    double beaten = 0;
    for (int m = 0; m < Count(against); ++m)
        beaten += Reached(against, m) * chances_(field_.Seed[team], field_.Seed[Team(against, m)]);
    return beaten;
}

double AgreeingBracket::Total() const {
    // Games below an entered result, or the final, end a bracket of their own.
    double total = 1.0;
    for (int game : field_.UndecidedGames)
        if (HoldsNothingAbove(undecided_, game)) total *= EndSum(game);
    return total;
}

double AgreeingBracket::EndSum(int game) const {
    double sum = 0;
    for (int k = 0; k < inside_[game].count; ++k)
        sum += inside_[game].of[k].chance * EndOfBracket(field_, chances_, game, inside_[game].of[k].team);
    return sum;
}

void AgreeingBracket::WithEachWinner() {
    // From the top down, what the rest of the bracket weighs for each team holding a game: the
    // other brackets' sums where the game ends one, else the game above won by the team (against
    // any team from the other side) or lost there to a team from the other side.
    std::vector<int> ends;
    for (int game : field_.UndecidedGames)
        if (HoldsNothingAbove(undecided_, game)) ends.push_back(game);
    for (std::size_t e = 0; e < ends.size(); ++e) {
        double others = 1.0;
        for (std::size_t o = 0; o < ends.size(); ++o)
            if (o != e) others *= EndSum(ends[o]);
        const Holders& in = inside_[ends[e]];
        for (int k = 0; k < in.count; ++k)
            outside_[ends[e]][k] = EndOfBracket(field_, chances_, ends[e], in.of[k].team) * others;
    }
    for (auto q = field_.UndecidedGames.rbegin(); q != field_.UndecidedGames.rend(); ++q) {
        const Holders& above = inside_[*q];
        const auto [upper, lower] = FeedingPositions(*q);
        for (const auto& [game, against] : {std::pair{upper, lower}, std::pair{lower, upper}}) {
            if (!undecided_[game]) continue;
            const Holders& in = inside_[game];
            double* rest = outside_[game].data();
            std::fill(rest, rest + in.count, 0.0);
            const bool up = game == upper;
            for (int j = 0; j < above.count; ++j) {
                const Holder& winner = above.of[j];
                const double there = outside_[*q][j];
                if ((j < above.fromUpper) == up) {
                    rest[winner.source] += there * Beats(winner.team, against);
                    continue;
                }
                const double beaten = there * Reached(against, winner.source);
                const int seed = field_.Seed[winner.team];
                for (int k = 0; k < in.count; ++k) rest[k] += beaten * chances_(seed, field_.Seed[in.of[k].team]);
            }
        }
    }
}

double AgreeingBracket::WithWinner(int game, int team) const {
    const Holders& in = inside_[game];
    for (int k = 0; k < in.count; ++k)
        if (in.of[k].team == team) return in.of[k].chance * outside_[game][k];
    return 0.0;
}

double AgreeingChance(const OutlookField& field, const PositionTeams& winners, const SeedChances& chances) {
    return AgreeingBracket(field, winners, chances).Total();
}

}  // namespace brackwell
