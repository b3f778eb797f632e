#pragma once
// The pick program's two areas, teams first, as one object so that the others area always
// follows the teams area in its data. The build of the template leaves them unfilled; the
// builder fills them in a copy.

#include "fieldblock/FieldLayout.h"

namespace brackwell::fieldblock {

struct FieldAreas {
    char teams[kTeamsAreaSize];
    char others[kOthersAreaSize];
};
static_assert(sizeof(FieldAreas) == kTeamsAreaSize + kOthersAreaSize, "the areas lie back to back");

// Not const, so it lies in initialised data where the builder finds it, and it is only ever
// read through volatile access, so the compiler never folds its template text into the code.
extern FieldAreas gFieldBlock;

}  // namespace brackwell::fieldblock
