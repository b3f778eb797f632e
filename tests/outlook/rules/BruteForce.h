#pragma once
// The outlook the slow way: every way the blank games can go, the results completed and every
// participant scored by the scoring code itself.

#include "outlook/rules/Outlook.h"

namespace brackwell::testing {

// With the options' payout, the prizes and both statuses; with its rooted entrant, the rooting
// guide (one row per blank game and team that wins it in some outcome, in position order).
OutlookResult BruteForceOutlook(const OutlookPool& pool, const OutlookOptions& options = {});

}  // namespace brackwell::testing
