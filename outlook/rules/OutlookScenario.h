#pragma once
// A winning scenario for one participant: a completion of the results in which it comes first,
// alone when any outcome allows it, else tied; or why there is none.

#include <optional>
#include <string>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookField.h"

namespace brackwell {

struct OutlookScenario {
    bool Found = false;
    bool Alone = false;       // first alone, not tied
    SelLinesArray Results{};  // the entered results with every undecided game decided
    std::string Reason;       // when not found: one sentence
};

// Exact for any number of open games (a search with bounds). Totals that need scoring's
// position-by-position sums (points near the 16-bit limit) are searched outcome by outcome,
// which only a few open games allow.
OutlookScenario FindScenario(const OutlookPool& pool, int entrant);
// The same, asking `progress` now and then whether to go on: nothing once it says no.
std::optional<OutlookScenario> FindScenario(const OutlookPool& pool, int entrant, const OutlookProgress& progress);

// The results with the outcome's winners at their games, as the bracket would save them.
SelLinesArray CompletedResults(const OutlookPool& pool, const OutlookField& field, const PositionTeams& teams);

}  // namespace brackwell
