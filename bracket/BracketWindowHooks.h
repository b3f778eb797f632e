#pragma once
// The windows the bracket window opens that belong to the frame. An empty hook leaves its menu
// entry disabled.

#include <functional>

namespace brackwell {

struct BracketWindowHooks {
    std::function<void()> openSetup;      // "Setup Pool Options": the frame shows the setup window; this window unloads
    std::function<void()> openStandings;  // "Score Selections" in results mode; also raised by the gate
    std::function<void()> openReports;    // "Report Options"
    std::function<void()> openOutlook;    // "Pool Outlook"
    std::function<void()> editRoster;     // "Edit Names File", and the save command's hand-off (model.RosterHandOver set first)
    std::function<void()> reload;         // unload this window and show a new one (demo commands, the demo offer)
};

}  // namespace brackwell
