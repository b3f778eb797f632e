#pragma once
// What the outlook window says of the selected participant: the status with its reason, and the
// rooting guide: for each next game (an open game whose two teams are known), which team the
// participant should want to win and what that does to their chance of first,
// "Root for Duke over Kansas: +12.4 points of chance".

#include <string>
#include <vector>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookScenario.h"

namespace brackwell {

// One line per next game, the games that matter most first (then by position). The chances are
// the seeded ones; a game whose result leaves the chance as it is says so.
std::vector<std::string> RootingGuideLines(const std::vector<OutlookRootRow>& rows);

// The status of first place with its reason, then the expected prize when prizes were counted.
// The scenario search (when done) gives an elimination its reason and tells whether first is
// still possible alone or only tied.
std::string ParticipantSummary(const OutlookRow& row, bool prizes, const OutlookScenario* scenario);

}  // namespace brackwell
