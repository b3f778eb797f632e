#pragma once
// A locale with a decimal comma for LC_NUMERIC: an installed one, or one compiled for the test
// (the window library sets the locale from the environment, so a German desktop is an
// ordinary case).

#include "tests/support/TempFolder.h"

namespace brackwell::testing {

// Switches LC_NUMERIC to such a locale, compiling it into folder when none is installed.
// False when none could be had; the caller restores the locale it had.
bool SwitchToDecimalCommaLocale(const TempFolder& folder);

}  // namespace brackwell::testing
