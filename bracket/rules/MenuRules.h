#pragma once
// Which entries of the bracket window's menu are available: the rules applied when the window
// loads, and the states each command leaves behind.

#include <string>

namespace brackwell {

// One flag per menu entry that the rules switch, plus the demo caption and the "Return"
// button. Entries the rules never switch (Print Form, Exit, Edit Names File, Select High
// Seeds, Help Display, About) are always available.
struct MenuState {
    bool newSelection = true;
    bool openSelection = true;
    bool saveSelection = true;
    bool setup = true;
    bool gameResults = true;
    bool scoreSelections = false;
    bool reports = false;
    bool outlook = false;  // "Pool Outlook": with the reports once the setup is final, never switched off by them
    bool demoMenu = true;
    bool demoSet = false;
    bool demoReset = false;
    bool picsTest = true;
    bool picsPrint = true;
    bool picsEmail = true;
    bool demoCaptionShown = false;
    // "Return": shown, enabled and default only while a scored selection is on show.
    bool returnShown = false;

    friend bool operator==(const MenuState&, const MenuState&) = default;
};

struct MenuFlags {
    std::string setupFinalized;  // StartLines 93 as loaded
    bool resultsFileExists = false;
    bool demoMode = false;
};

bool IsFinalized(const std::string& setupFinalized);

// The rules of the window's load, applied over the state the window had.
void ApplyLoadRules(MenuState& state, const MenuFlags& flags);

// What the commands leave.
// New Selection: "Enter Game Results" follows the setup state before the window reloads, the
// reload's rules (for the flags it read) apply, then saving is open again.
void AfterNewSelection(MenuState& state, const std::string& finalizedBefore, const MenuFlags& reloaded);
void AfterGameResults(MenuState& state);
void AfterOpenSelection(MenuState& state, bool resultsFileExists);
void AfterScoredView(MenuState& state);
void AfterReturn(MenuState& state);
// A scenario of the outlook on show: results that were never entered, so neither saved nor
// scored; "Enter Game Results" brings the real ones back.
void AfterScenarioView(MenuState& state);

}  // namespace brackwell
