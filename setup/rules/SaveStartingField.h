#pragma once
// The setup window's Save: its checks in their order, the finalize confirmation, the demo
// refusal, the pick-program build and the start file. Every stop leaves the boxes as they are.

#include <functional>
#include <optional>
#include <string>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "setup/rules/SetupField.h"

namespace brackwell {

// The box the focus moves to when a check stops the save.
struct SetupFocus {
    enum class Box { None, Team, Info, Points };
    Box box = Box::None;
    int index = 0;
    friend bool operator==(const SetupFocus&, const SetupFocus&) = default;
};

// A check of the boxes that failed: its message and the box to put right.
struct SetupCheckFailure {
    std::string title;
    std::string text;
    SetupFocus focus;
};

// The first of the box checks that fails: a blank team name while finalizing, a blank title
// or region name, points outside 1..99 while finalizing.
std::optional<SetupCheckFailure> CheckSetupBoxes(const SetupField& field);

// Builds the pick program from the start lines about to be saved; false when it failed
// (after its own message).
using PickProgramBuild = std::function<bool(const StartLinesArray& lines)>;

enum class SaveResult {
    Stopped,    // nothing written; the window stays open
    Saved,      // the start file written; the window stays open
    Finalized,  // the start file written as final; the bracket window takes over
};

struct SaveOutcome {
    SaveResult result = SaveResult::Stopped;
    SetupFocus focus;  // where the focus goes after a failed check
};

// Runs the save. A cancelled finalize confirmation sets the tag back to "0". After a write the
// model's start lines are the ones written.
SaveOutcome SaveStartingField(modBrackwell& model, Dialogs& dialogs, SetupField& field,
                              const PickProgramBuild& buildPickProgram);

}  // namespace brackwell
