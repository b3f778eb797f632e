#pragma once
// The rooting guide of one participant: for each open game and each team that can still win it,
// the outcomes with that result in which the participant comes first (a tie among k counting
// 1/k) and its chance of first given that result, every game a coin toss and under the seed model.

#include <string>
#include <vector>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookCounting.h"

namespace brackwell {

// From an exact count: the outcomes and the seeded chance of each result come from the bracket.
std::vector<OutlookRootRow> ExactRootingRows(const OutlookPool& pool, const OutlookField& field,
                                             const OutlookPoints& points, const OutlookExtraTally& tally);
// From simulated tournaments, which counted each result's tournaments themselves.
std::vector<OutlookRootRow> EstimatedRootingRows(const OutlookPool& pool, const OutlookField& field,
                                                 const OutlookPoints& points, const SimulatedTallies& tallies);

// A header line "Position Round Team FirstShared ChanceEven ChanceSeeded" and one line per row,
// tab-separated, numbers as the table gives them.
std::string OutlookRootingText(const std::vector<OutlookRootRow>& rows);

}  // namespace brackwell
