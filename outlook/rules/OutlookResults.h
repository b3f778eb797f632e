#pragma once
// The outlook around its count: what is known before counting, and the rows filled from the
// tallies. Shared by a whole run and by the merge of a run in slices, so that both give the
// same table.

#include <cstdint>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookCounting.h"

namespace brackwell {

// The tournaments an estimate draws: Simulations, at least 1 and at most kMostSimulations.
std::uint64_t TournamentsOf(const OutlookOptions& options);
// Exact or not, the undecided games, the outcomes and the rows with their scores.
OutlookResult StartOutlook(const OutlookPool& pool, const OutlookOptions& options, const OutlookField& field);
void FillExact(OutlookResult& result, const OutlookTally& tally);
// What the count is to keep besides first places, for the options' prizes and rooted entrant.
OutlookExtraTally::Wanted ExtrasWanted(const OutlookOptions& options, const OutlookPoints& points);
void FillEstimate(OutlookResult& result, const SimulatedTallies& tallies);

}  // namespace brackwell
