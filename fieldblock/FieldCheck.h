#pragma once
// Whether a field can be carried by the pick program's areas.

#include <optional>
#include <string>

#include "fieldblock/PickField.h"

namespace brackwell::fieldblock {

// The message explaining why the field cannot be built into the pick program, or nothing when
// it can: the names or the others fields too long for their area, or an item holding a byte the
// areas use themselves (the separator "^", a NUL) or that would break a line of the selection
// file (a line break in anything but the comments, whose line breaks are CR LF pairs).
std::optional<std::string> FieldRefusal(const PickField& field);

}  // namespace brackwell::fieldblock
