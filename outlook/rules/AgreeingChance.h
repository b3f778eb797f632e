#pragma once
// The seed model's chance of all the outcomes that agree with winners chosen at some open games:
// what the chances of those outcomes, one by one, add up to. A bracket sum from the first round
// up, so a whole subtree of outcomes is weighed at once.

#include "outlook/rules/OutlookField.h"
#include "outlook/rules/SeedModel.h"

namespace brackwell {

// `winners` is field.Team with the chosen winners at their open games (0 at the others). A game
// whose winner plays on from a chosen game goes to that team.
class AgreeingBracket {
public:
    AgreeingBracket(const OutlookField& field, PositionTeams winners, const SeedChances& chances);

    // The chance of the agreeing outcomes.
    double Total() const;
    // Then, after WithEachWinner(), the same with the team also chosen at the undecided game (0
    // where it cannot win there): all of them from one more sum, down from the top.
    void WithEachWinner();
    double WithWinner(int game, int team) const;

private:
    // The teams that can hold a position in the agreeing outcomes, with the chance of each: at
    // most the 64 that start below it.
    struct Holder {
        int team;
        int source;  // its place among its feeder's
        double chance;
    };
    struct Holders {
        int count = 0;
        int fromUpper = 0;  // the first ones, from the upper feeder
        Holder of[64];
    };

    // Of a position: its teams (one where no game is undecided) and the chance each gets there.
    int Count(int position) const { return undecided_[position] ? inside_[position].count : 1; }
    int Team(int position, int k) const { return undecided_[position] ? inside_[position].of[k].team : field_.Team[position]; }
    double Reached(int position, int k) const { return undecided_[position] ? inside_[position].of[k].chance : 1.0; }
    // The chance that the team beats whoever holds the position.
    double Beats(int team, int against) const;
    // Of a game that ends a bracket of its own, what that bracket weighs.
    double EndSum(int game) const;

    const OutlookField& field_;
    const SeedChances& chances_;
    std::array<bool, kPositionCount + 1> undecided_{};
    std::array<Holders, kPositionCount + 1> inside_;  // from the first round up
    // Per holder of inside_, what the rest of the bracket weighs (set by WithEachWinner).
    std::array<std::array<double, 64>, kPositionCount + 1> outside_;
};

double AgreeingChance(const OutlookField& field, const PositionTeams& winners, const SeedChances& chances);

}  // namespace brackwell
