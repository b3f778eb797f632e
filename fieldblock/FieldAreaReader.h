#pragma once
// Taking the areas apart in the pick program.

#include <cstddef>
#include <optional>

#include "fieldblock/FieldAreas.h"
#include "fieldblock/PickField.h"

namespace brackwell::fieldblock {

// The field the areas carry: after each marker, the items up to their separators; in the
// comments every "|" becomes a CR LF line break. Every item is taken whatever its length, so a
// long or empty one never shifts the items after it. Nothing when an area ends (at its NUL or
// its last byte) before all its items: an unfilled template, or a damaged build.
std::optional<PickField> ReadFieldAreas(const volatile char* teams, std::size_t teamsSize,
                                        const volatile char* others, std::size_t othersSize);

// The field of this program's own areas.
std::optional<PickField> ReadOwnField();

}  // namespace brackwell::fieldblock
