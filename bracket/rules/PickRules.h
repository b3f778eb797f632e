#pragma once
// What a click, a drag and a right click do to the bracket's 127 team captions. A team only
// ever moves forward along its own path; taking a team out of a game takes it out of every
// later game of that path, and leaves other teams' picks on the path alone.

#include <string>

#include "core/BracketView.h"
#include "core/Model.h"

namespace brackwell {

// Empties every caption equal to team on the path from label onwards (up to the champion).
void WipeTeam(BracketView& view, const AdvanceTableArray& advance, const std::string& team, int label);

// A drag from origin released over target, carrying team (the origin's caption when the button
// went down). origin == target is an ordinary click: the team moves one game on. A target on
// the team's path further on receives the team in every game up to it; any other target, and
// the champion's label clicked, change nothing.
void DropTeam(BracketView& view, const AdvanceTableArray& advance, int origin, int target, const std::string& team);

// Takes a pick back: the pick label is emptied and its team wiped from the later games of its
// path. Starting labels are left alone.
void TakeBackPick(BracketView& view, const AdvanceTableArray& advance, int label);

}  // namespace brackwell
