#pragma once
// The season replayed: the outlook as it stood when only the results of the first rounds were
// known, later results ignored.

#include <optional>
#include <vector>

#include "outlook/rules/Outlook.h"

namespace brackwell {

// The pool with the results of rounds after `round` (0 to 5) left out.
OutlookPool PoolAfterRound(const OutlookPool& pool, int round);
// The last round whose every game has a result, 0 when the first has not ended.
int CompletedRounds(const OutlookPool& pool);

// A replayed round with more undecided games than this is estimated (Simulations tournaments),
// whatever the options' exact limit: counting the 2^31 outcomes after the first round again
// would take a minute or more for a chart point.
inline constexpr int kReplayExactLimit = 24;

// The outlook after each completed round, from 0 (before any game) to CompletedRounds(); a
// round after which nothing was entered is `current` itself. Nothing when progress cancelled it.
std::optional<std::vector<OutlookResult>> ReplayRounds(const OutlookPool& pool, const OutlookOptions& options,
                                                       const OutlookResult& current,
                                                       const OutlookProgress& progress = {});

}  // namespace brackwell
