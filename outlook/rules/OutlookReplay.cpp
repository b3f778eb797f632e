#include "outlook/rules/OutlookReplay.h"

#include <algorithm>

namespace brackwell {

OutlookPool PoolAfterRound(const OutlookPool& pool, int round) {
    OutlookPool earlier = pool;
    for (int p = 1; p <= kPositionCount; ++p)
        if (RoundOfPosition(p) > round) earlier.Results[p].clear();
    return earlier;
}

int CompletedRounds(const OutlookPool& pool) {
    int completed = 0;
    for (int round = 1; round <= 6; ++round) {
        for (int p = 1; p <= kPositionCount; ++p)
            if (RoundOfPosition(p) == round && pool.Results[p].empty()) return completed;
        completed = round;
    }
    return completed;
}

std::optional<std::vector<OutlookResult>> ReplayRounds(const OutlookPool& pool, const OutlookOptions& options,
                                                       const OutlookResult& current, const OutlookProgress& progress) {
    std::vector<OutlookResult> rounds;
    OutlookOptions plain = options;
    plain.Rooted = -1;
    plain.ExactLimit = std::min(plain.ExactLimit, kReplayExactLimit);
    for (int round = 0; round <= CompletedRounds(pool); ++round) {
        const OutlookPool earlier = PoolAfterRound(pool, round);
        if (earlier.Results == pool.Results) {
            rounds.push_back(current);
            continue;
        }
        std::optional<OutlookResult> outlook = ComputeOutlook(earlier, plain, progress);
        if (!outlook) return std::nullopt;
        rounds.push_back(std::move(*outlook));
    }
    return rounds;
}

}  // namespace brackwell
