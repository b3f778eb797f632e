#include "outlook/rules/Outlook.h"

#include "outlook/rules/OutlookResults.h"

namespace brackwell {

std::optional<OutlookResult> ComputeOutlook(const OutlookPool& pool, const OutlookOptions& options,
                                            const OutlookProgress& progress) {
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    OutlookResult result = StartOutlook(pool, options, field);
    if (result.Rows.empty()) return result;

    const OutlookPoints points(pool, field);
    if (result.Exact) {
        OutlookWork work(result.Outcomes, progress);
        const std::optional<OutlookTally> tally = CountOutcomes(field, points, FastestKernel(), work);
        if (!tally || !work.Finish()) return std::nullopt;
        FillExact(result, *tally);
        return result;
    }

    OutlookWork work(2 * result.Outcomes, progress);
    const std::optional<SimulatedTallies> tallies =
        SimulateTournaments(field, points, FastestKernel(), result.Outcomes, options.RandomSeed, work);
    if (!tallies || !work.Finish()) return std::nullopt;
    FillEstimate(result, *tallies);
    return result;
}

}  // namespace brackwell
