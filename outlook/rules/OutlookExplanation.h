#pragma once
// The line under the outlook's grid that tells an organiser what its numbers mean.

#include <string>

#include "outlook/rules/Outlook.h"

namespace brackwell {

inline constexpr const char* kOutlookWorking = "Working out every way the remaining games can go ...";
inline constexpr const char* kOutlookCancelled = "Cancelled: the outlook was not finished, so no numbers are shown.";
inline constexpr const char* kOutlookFailed = "The outlook could not be computed.";
inline constexpr const char* kOutlookNoResults =
    "No outlook: the game results (BRACKWELL.BKT) are needed to know which games are still to be played.";

// How the numbers were reached, and what the columns count.
std::string OutlookExplanation(const OutlookResult& result);

}  // namespace brackwell
