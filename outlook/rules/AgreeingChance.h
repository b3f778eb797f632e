#pragma once
// The seed model's chance of all the outcomes that agree with winners chosen at some open games:
// what the chances of those outcomes, one by one, add up to. A bracket sum from the first round
// up, so a whole subtree of outcomes is weighed at once.

#include "outlook/rules/OutlookField.h"
#include "outlook/rules/SeedModel.h"

namespace brackwell {

// `winners` is field.Team with the chosen winners at their open games (0 at the others). A game
// whose winner plays on from a chosen game goes to that team.
double AgreeingChance(const OutlookField& field, PositionTeams winners, const SeedChances& chances);

}  // namespace brackwell
