#pragma once
// "Select High Seeds": every empty pick inside the four regions gets the better-seeded team of
// its game, round by round, keeping and building on the picks already made. The national
// semifinals and the final stay to the user.

#include <array>
#include <string>

#include "core/BracketView.h"
#include "core/Model.h"

namespace brackwell {

// seedBoxes: the texts of the first 16 seed boxes, which serve all four regions.
void SelectHighSeeds(BracketView& view, const AdvanceTableArray& advance, const std::array<std::string, 16>& seedBoxes);

}  // namespace brackwell
