#pragma once
// How the bracket stands for the outlook: which team holds each position for certain, and which
// games are still open.
//
// A team is known by the position it was last entered at: its starting slot, or a game whose
// result was typed in. The team's name is the results line of that position, its seed the seed
// of the slot it started from.
//
// A game is undecided when its results line is empty (scoring treats exactly that as unplayed).
// A result entered at a game whose feeders are still open settles the games on that team's way
// there: they count as won by it, and only the outcomes that agree are considered. The team is
// looked for at the upper feeder first; a name that cannot reach the game (a typing error, a
// team of another field) settles nothing and stays as entered.

#include <array>
#include <vector>

#include "core/Model.h"

namespace brackwell {

struct OutlookField {
    // The team at each position whose winner is certain (entered, or settled by a later
    // result); 0 at a game still open.
    std::array<int, kPositionCount + 1> Team{};
    // The seed of each team (indexed by the team's position), 0 when not known.
    std::array<int, kPositionCount + 1> Seed{};
    // The open games in ascending position order: both feeders of a game come before it.
    std::vector<int> OpenGames;
    // The teams that can still win each open game, in bracket order.
    std::array<std::vector<int>, kPositionCount + 1> Contenders;
    // Games with an empty results line, open and settled, in ascending position order.
    std::vector<int> UndecidedGames;
    // Entered games that an open game feeds, in ascending position order: the outcome decides
    // who lost there.
    std::vector<int> EnteredAbove;
};

using PositionTeams = std::array<int, kPositionCount + 1>;

OutlookField ReadOutlookField(const SelLinesArray& results, const std::array<int, kPositionCount + 1>& seeds);

// The seed model's chance that the game at the position went to the team holding it, with the
// teams at its feeders as given. At an entered game of EnteredAbove the team entered beat the
// winner of the open feeder.
double WinnerChance(const OutlookField& field, const PositionTeams& teams, int position);

}  // namespace brackwell
