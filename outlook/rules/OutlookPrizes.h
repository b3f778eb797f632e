#pragma once
// Prizes for the paid places and who is sure of one, first place or a prize, in the outlook's rows.
//
// - Ranking is by points; a group of k participants tied on points that covers places p .. p+k-1
//   shares the prizes of those places equally; places past the payout pay 0.
// - An exact count gives every status as it is. An estimate proves "eliminated"/"out" and
//   "clinched" by bounds or a search, finds "alive" in its tournaments, and leaves the rest
//   "unknown": a simulation proves nothing.

#include <string>
#include <vector>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookCounting.h"

namespace brackwell {

// The places looked at: up to the last one paying more than 0.
int PaidPlaces(const std::vector<double>& payout);
// What each of `tied` participants gets with `above` participants ahead of them.
double PrizeShare(const std::vector<double>& payout, int above, int tied);

// "clinched", "alive", "eliminated" (first) or "out" (prize), "unknown".
std::string StatusText(OutlookStatus status, bool prize);

void FillExactStatuses(OutlookResult& result, const std::vector<double>& payout, const OutlookTally& tally);
// `field` and `points` for the proofs.
void FillEstimatedStatuses(OutlookResult& result, const std::vector<double>& payout, const SimulatedTallies& tallies,
                           const OutlookField& field, const OutlookPoints& points);

}  // namespace brackwell
