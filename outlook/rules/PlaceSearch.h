#pragma once
// Each participant's best and worst final place over every outcome of the open games. A search
// down the plan per participant and per end, on the totals taken as differences from that
// participant's: for the best place, who is ahead of it in every outcome of a subtree shows from
// the lowest differences, for the worst who may be from the highest, and a subtree that cannot
// beat the place already found is left out.

#include <functional>
#include <optional>
#include <vector>

#include "outlook/rules/OutlookKernel.h"
#include "outlook/rules/OutlookPlan.h"
#include "outlook/rules/OutlookPoints.h"
#include "outlook/rules/OutlookWork.h"

namespace brackwell {

struct PlaceRange {
    int best = 0;  // 1 = first
    int worst = 0;
};

// Plain sums only (see OutlookPoints::PlainSums); in entrant order, nothing when cancelled. Only
// for the participants `searched` picks when given (the others' ranges stay 0, 0). Each
// participant's search ends with a report of no work, so that progress can stop it.
std::optional<std::vector<PlaceRange>> SearchPlaces(const OutlookField& field, const OutlookPlan& plan,
                                                    const OutlookPoints& points, const OutlookKernel& kernel,
                                                    OutlookWork& work,
                                                    const std::function<bool(int participant)>& searched = {});

}  // namespace brackwell
