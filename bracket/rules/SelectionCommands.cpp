#include "bracket/rules/SelectionCommands.h"

#include "bracket/rules/MenuRules.h"
#include "core/FileSystem.h"
#include "core/Numeric.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace brackwell {

namespace {

constexpr const char* kRequiredFieldsTitle = "Required fields are BLANK or invalid";

FileDialogRequest SelectionDialog(const std::string& initialPath) {
    FileDialogRequest request;
    request.filter = kSelectionFilter;
    request.initialPath = initialPath;
    request.defaultExtension = "BKS";
    return request;
}

}  // namespace

std::string WithSelectionExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    constexpr std::string_view kExtension = ".BKS";
    const bool hasExtension = name.size() > kExtension.size() &&
                              std::equal(kExtension.rbegin(), kExtension.rend(), name.rbegin(), [](char a, char b) {
                                  return a == std::toupper(static_cast<unsigned char>(b));
                              });
    return hasExtension ? path : path + std::string(kExtension);
}

std::optional<SaveRefusal> CheckSaveRequest(const std::string& setupFinalized, const std::string& initials,
                                            const std::string& name, const std::string& total, bool resultsMode) {
    if (!IsFinalized(setupFinalized))
        return SaveRefusal{"INVALID REQUEST TO SAVE FILE",
                           "The SETUP OPTION must be completed and FINALIZED before a Pool Selection can be saved!"};
    if (IsBlankField(initials))
        return SaveRefusal{kRequiredFieldsTitle, "Player Initails field is BLANK, this MUST be corrected!"};
    if (IsBlankField(name)) return SaveRefusal{kRequiredFieldsTitle, "Player Name field is BLANK, this MUST be corrected!"};
    const double points = NumericValue(total);
    if ((!resultsMode && points < 50) || points > 250)
        return SaveRefusal{kRequiredFieldsTitle,
                           "Final Game - you must enter a valid prediction (between 50 & 250) for the total score of "
                           "this game"};
    return std::nullopt;
}

SaveBranch ChooseSaveBranch(const std::string& currentFile, const std::string& chosen, bool demoMode, bool chosenExists) {
    if (!currentFile.empty()) {
        if (chosen == currentFile) return SaveBranch::SameFile;
        return demoMode ? SaveBranch::OtherNameRefused : SaveBranch::OtherNameConfirm;
    }
    if (demoMode) return SaveBranch::NewFileRefused;
    return chosenExists ? SaveBranch::ReplaceConfirm : SaveBranch::NewFile;
}

bool OpenSelection(modBrackwell& model, BracketView& view, Dialogs& dialogs) {
    const std::optional<std::string> chosen = dialogs.OpenFile(SelectionDialog(model.AppFilePath("Selections")));
    return chosen && OpenSelectionFile(model, view, dialogs, *chosen);
}

bool OpenSelectionFile(modBrackwell& model, BracketView& view, Dialogs& dialogs, const std::string& path) {
    if (!ReadSelections(model, dialogs, path)) {
        // A damaged or foreign file is not put on the bracket: saving it back under its own
        // name would then overwrite that file with the half that could be read.
        WindowToSelection(view, model);
        return false;
    }
    SelectionToWindow(model, view);
    model.CurrentSelectionFile = path;
    model.ResultsMode = false;
    ClearResultMarks(model, view);
    view.SetPointScore("");
    view.SetPlayerFieldsLocked(false);
    return true;
}

bool SaveSelection(modBrackwell& model, BracketView& view, Dialogs& dialogs, const std::function<void()>& showRoster) {
    const std::string initials = view.PlayerInitials();
    const std::string name = view.PlayerName();
    if (auto refusal = CheckSaveRequest(model.SetupFinalized, initials, name, view.FinalPoints(), model.ResultsMode)) {
        dialogs.Message(refusal->text, refusal->title);
        return false;
    }
    if (model.ResultsMode) {
        WindowToSelection(view, model);
        return WriteSelections(model, dialogs, model.AppFilePath(kResultsFileName));
    }

    const std::optional<std::string> chosen = dialogs.SaveFile(SelectionDialog(model.AppFilePath(name + "_" + initials)));
    if (!chosen) return false;
    const std::string path = WithSelectionExtension(*chosen);
    const bool demoMode = DemoModeActive(model);
    std::string action;
    switch (ChooseSaveBranch(model.CurrentSelectionFile, path, demoMode, FileExists(path))) {
        case SaveBranch::SameFile:
            action = "C";
            break;
        case SaveBranch::OtherNameRefused:
            dialogs.Message("You are not allowed to save a New File \r\nName when executing under DEMO Mode");
            return false;
        case SaveBranch::OtherNameConfirm:
            if (dialogs.MessageBox("You opened the file:    " + model.CurrentSelectionFile +
                                       "\r\nNow you are attempting to save this \r\n  file under the name:    " + path +
                                       "\r\n\r\nIS THIS CORRECT?",
                                   MsgButtons::YesNo, MsgIcon::None, kAppTitle) != MsgAnswer::Yes)
                return false;
            action = "A";
            break;
        case SaveBranch::NewFileRefused:
            dialogs.Message("You are not allowed to save a New File \r\nwhen executing under DEMO Mode");
            return false;
        case SaveBranch::NewFile:
            action = "A";
            break;
        case SaveBranch::ReplaceConfirm:
            if (dialogs.MessageBox("Do you want to replace the existing file ?\r\n" + path, MsgButtons::YesNo,
                                   MsgIcon::None, kAppTitle) != MsgAnswer::Yes)
                return false;
            action = "O";
            break;
    }

    WindowToSelection(view, model);
    // A file that could not be written is not handed to the roster: the writer has said so.
    if (!WriteSelections(model, dialogs, path)) return false;
    model.CurrentSelectionFile = path;
    model.RosterHandOver.Action = action;
    model.RosterHandOver.Key = model.SelLines[kPlayerNameLine] + "," + model.SelLines[kInitialsLine];
    model.RosterHandOver.SelectionPath = path;
    model.RosterHandOver.AddOnly = action != "C";
    if (showRoster) showRoster();
    model.RosterHandOver = {};
    return true;
}

}  // namespace brackwell
