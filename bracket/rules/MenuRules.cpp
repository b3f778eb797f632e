#include "bracket/rules/MenuRules.h"

#include "core/Numeric.h"

namespace brackwell {

bool IsFinalized(const std::string& setupFinalized) { return setupFinalized == "1"; }

void ApplyLoadRules(MenuState& state, const MenuFlags& flags) {
    if (!IsFinalized(flags.setupFinalized)) {
        state.scoreSelections = state.gameResults = state.newSelection = false;
        state.openSelection = state.saveSelection = state.reports = state.outlook = false;
        state.picsTest = state.picsPrint = state.picsEmail = false;
    } else {
        if (!flags.demoMode) {
            state.setup = false;
            state.demoMenu = false;
            state.picsTest = state.picsPrint = state.picsEmail = true;
        }
        state.scoreSelections = flags.resultsFileExists;
        state.reports = state.outlook = true;
    }
    if (flags.demoMode) {
        state.demoReset = true;
        state.demoSet = false;
        state.picsTest = state.picsPrint = state.picsEmail = true;
        state.demoCaptionShown = true;
    } else {
        state.demoReset = false;
        state.demoCaptionShown = false;
        if (NumericValue(flags.setupFinalized) == 0) state.demoSet = true;
    }
}

void AfterNewSelection(MenuState& state, const std::string& finalizedBefore, const MenuFlags& reloaded) {
    state.gameResults = IsFinalized(finalizedBefore);
    ApplyLoadRules(state, reloaded);
    state.returnShown = false;
    state.saveSelection = true;
}

void AfterGameResults(MenuState& state) {
    state.gameResults = false;
    state.scoreSelections = true;
    state.returnShown = false;
    state.saveSelection = true;
}

void AfterOpenSelection(MenuState& state, bool resultsFileExists) {
    state.gameResults = true;
    state.scoreSelections = resultsFileExists;
    state.returnShown = false;
    state.saveSelection = true;
}

void AfterScoredView(MenuState& state) {
    state.scoreSelections = false;
    state.returnShown = true;
    state.saveSelection = false;
}

void AfterReturn(MenuState& state) {
    state.returnShown = false;
    state.scoreSelections = true;
    state.saveSelection = true;
}

void AfterScenarioView(MenuState& state) {
    state.gameResults = true;
    state.scoreSelections = false;
    state.returnShown = false;
    state.saveSelection = false;
}

}  // namespace brackwell
