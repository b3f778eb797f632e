#pragma once
// Brackets to score in tests: a field with no games played, and the field played out with the
// upper or the lower team of every game winning.

#include <string>

#include "core/Model.h"

namespace brackwell::testing {

// The starting teams of the field at their slots, every game empty, "*END*" at line 131.
SelLinesArray FieldOnly(const StartLinesArray& start = DefaultStartLines());
// Every game won by the team coming from the lower-numbered position (the upper team).
SelLinesArray UpperTeamsWin(const StartLinesArray& start = DefaultStartLines());
// Every game won by the team coming from the higher-numbered position.
SelLinesArray LowerTeamsWin(const StartLinesArray& start = DefaultStartLines());

// The lines with a player's name, initials and final-game total.
SelLinesArray WithPlayer(SelLinesArray lines, const std::string& name, const std::string& initials,
                         const std::string& total);

// Lines 1..131 of a selection file, each ended by CR LF.
std::string SelectionFileBytes(const SelLinesArray& lines);

}  // namespace brackwell::testing
