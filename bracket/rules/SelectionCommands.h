#pragma once
// Opening a selection file into the bracket and saving the bracket as a selection or as the
// results file: the checks, the choice between replacing the file last used, saving under a
// new name and creating a new file, and the hand-over to the roster editor.

#include <functional>
#include <optional>
#include <string>

#include "core/BracketView.h"
#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kSelectionFilter = "PoolSelections (*.BKS) | *.BKS";

struct SaveRefusal {
    std::string title;
    std::string text;
};

// The path a save writes: the chosen one, with ".BKS" added when its name lacks it, since only
// "*.BKS" files are scored, listed and mailed.
std::string WithSelectionExtension(const std::string& path);

// The first reason, in the order they are checked, why the bracket may not be saved: the setup
// not finalized, then blank initials, a blank name, a final-game total out of range (the lower
// bound of 50 does not hold for the results).
std::optional<SaveRefusal> CheckSaveRequest(const std::string& setupFinalized, const std::string& initials,
                                            const std::string& name, const std::string& total, bool resultsMode);

enum class SaveBranch {
    SameFile,            // the file last opened or saved, again
    OtherNameRefused,    // another name for it, in demo mode
    OtherNameConfirm,    // another name for it: asked first
    NewFileRefused,      // a first save in demo mode
    NewFile,             // a first save to a name not yet taken
    ReplaceConfirm,      // a first save over an existing file: asked first
};

// currentFile is the file last opened or saved (empty when none); chosen the save dialog's path.
SaveBranch ChooseSaveBranch(const std::string& currentFile, const std::string& chosen, bool demoMode, bool chosenExists);

// The Open command. False when cancelled or when the file could not be read as a selection; the
// reader has then given its message and the bracket is left as it was.
bool OpenSelection(modBrackwell& model, BracketView& view, Dialogs& dialogs);
// The same for a file already chosen.
bool OpenSelectionFile(modBrackwell& model, BracketView& view, Dialogs& dialogs, const std::string& path);

// The Save command. showRoster is called, with model.RosterHandOver filled, after a selection
// file is written; the hand-over is emptied afterwards. True when a file was written.
bool SaveSelection(modBrackwell& model, BracketView& view, Dialogs& dialogs, const std::function<void()>& showRoster);

}  // namespace brackwell
