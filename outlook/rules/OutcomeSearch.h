#pragma once
// One outcome of the open games that does something for one participant, found by a search down
// the plan on the totals taken as differences from the participant's: a subtree is left out as
// soon as the bounds show that none of its outcomes does it, and taken (completed any way) as
// soon as they show that all of them do. Exact for any number of open games: the search gives up
// only where a budget is set and spent.

#include <cstdint>
#include <optional>

#include "outlook/rules/OutlookKernel.h"
#include "outlook/rules/OutlookPlan.h"
#include "outlook/rules/OutlookPoints.h"
#include "outlook/rules/OutlookWork.h"

namespace brackwell {

enum class SearchGoal {
    FirstAlone,  // every other total below the participant's
    FirstTied,   // none above it
    NotFirst,    // some other total above it
};

struct SearchOutcome {
    bool done = true;     // false when the budget ran out first, or the work was cancelled
    bool cancelled = false;
    bool found = false;
    PositionTeams teams{};  // when found: field.Team with a winner at every open game
};

// `budget`: the most subtrees looked at, 0 for no limit. Totals that are not plain sums (see
// OutlookPoints::PlainSums) are looked at outcome by outcome, and only while few games are open
// (otherwise the search is not done). With `work`, the search stops soon after it is cancelled.
SearchOutcome SearchForOutcome(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                               const OutlookKernel& kernel, int participant, SearchGoal goal,
                               std::uint64_t budget = 0, OutlookWork* work = nullptr);

}  // namespace brackwell
