#pragma once
// The outlook the slow way: every way the blank games can go, the results completed and every
// participant scored by the scoring code itself.

#include "outlook/rules/Outlook.h"

namespace brackwell::testing {

OutlookResult BruteForceOutlook(const OutlookPool& pool);

}  // namespace brackwell::testing
