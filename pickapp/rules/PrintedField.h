#pragma once
// What "quillon --print-field" prints: the 64 team names in area order, then the 13 others
// fields, one a line (LF), the comments' line breaks written as "|".

#include <string>

#include "fieldblock/PickField.h"

namespace brackwell::pick {

std::string PrintedField(const PickField& field);

}  // namespace brackwell::pick
