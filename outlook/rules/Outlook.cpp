#include "outlook/rules/Outlook.h"

#include "outlook/rules/OutlookPrizes.h"
#include "outlook/rules/OutlookResults.h"
#include "outlook/rules/OutlookRooting.h"

namespace brackwell {

std::optional<OutlookResult> ComputeOutlook(const OutlookPool& pool, const OutlookOptions& options,
                                            const OutlookProgress& progress) {
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    OutlookResult result = StartOutlook(pool, options, field);
    result.Prizes = !options.Payout.empty();
    if (result.Rows.empty()) return result;

    const OutlookPoints points(pool, field);
    const OutlookExtraTally::Wanted wanted = ExtrasWanted(options, points);
    if (result.Exact) {
        OutlookWork work(result.Outcomes, progress);
        const std::optional<OutlookTally> tally = CountOutcomes(field, points, FastestKernel(), work, wanted);
        if (!tally || !work.Finish()) return std::nullopt;
        FillExact(result, *tally);
        FillExactStatuses(result, options.Payout, *tally);
        if (wanted.rooted >= 0) result.Rooting = ExactRootingRows(pool, field, points, tally->Extra);
        return result;
    }

    OutlookWork work(2 * result.Outcomes, progress);
    const std::optional<SimulatedTallies> tallies =
        SimulateTournaments(field, points, FastestKernel(), result.Outcomes, options.RandomSeed, work, wanted);
    if (!tallies || !work.Finish()) return std::nullopt;
    FillEstimate(result, *tallies);
    FillEstimatedStatuses(result, options.Payout, *tallies, field, points);
    if (wanted.rooted >= 0) result.Rooting = EstimatedRootingRows(pool, field, points, *tallies);
    return result;
}

}  // namespace brackwell
