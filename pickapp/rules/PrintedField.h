#pragma once
// What "quillon --print-field" prints: the 64 team names in area order, then the 13 others
// fields, one a line (LF), the comments' line breaks written as "|".

#include <string>

#include "fieldblock/PickField.h"

namespace brackwell::pick {

std::string PrintedField(const PickField& field);

// Shown when the program's areas hold no complete field: the unfilled template, or a damaged copy.
inline constexpr const char* kNoFieldMessage =
    "This copy of QUILLON holds no tournament field.\n"
    "Use the QUILLON.EXE that your pool organiser sent for this season.";


}  // namespace brackwell::pick
