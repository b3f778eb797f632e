#include "setup/rules/SaveStartingField.h"

#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

namespace {

const char* const kBlankFieldsText = "You have selected FINALIZE and there are blank fields , this MUST be corrected!";

// The stored pieces of the question, joined as they are shown.
std::string FinalizeQuestion() {
    const char* const quote = "\"";
    std::string text;
    for (const char* piece :
         {"ARE YOU FINISHED WITH ALL SETUP OPTIONS??", kCrLf, "You selected the ", quote, "Finalize Tournament", quote,
          " option and then ", "selected to save this SETUP File.", kCrLf, kCrLf,
          "If you complete this option, you will not be able to make ", "any addtional Setup changes.", kCrLf,
          "THE SETUP FUNCTION FOR THE TOURNAMENT WILL BE CONSIDERED", " FINAL!", kCrLf, kCrLf,
          "If you ARE FINISHED with your setup, then this is fine.  ", "Select OK and the file will be saved.", kCrLf,
          kCrLf, "Otherwise, select CANCEL and the ", quote, "Finalize Tournament", quote, " op", "tion will be reset."})
        text += piece;
    return text;
}

std::string JoinLines(std::initializer_list<const char*> lines) {
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first) text += kCrLf;
        text += line;
        first = false;
    }
    return text;
}

}  // namespace

std::optional<SetupCheckFailure> CheckSetupBoxes(const SetupField& field) {
    if (field.FinalizeRequested()) {
        for (int i = 0; i < kTeamBoxCount; ++i)
            if (IsBlankField(field.teams[i]))
                return SetupCheckFailure{"Initial TEAM FIELD NAMES are BLANK", kBlankFieldsText,
                                         {SetupFocus::Box::Team, i}};
    }
    for (int i = 0; i < kInfoBoxCount; ++i)
        if (IsBlankField(field.info[i]))
            return SetupCheckFailure{"TITLE or REGION TITLES are BLANK", kBlankFieldsText, {SetupFocus::Box::Info, i}};
    if (field.FinalizeRequested()) {
        for (int i = 0; i < kPointsBoxCount; ++i)
            if (!RoundPointsInRange(field.points[i]))
                return SetupCheckFailure{
                    "PAYOFF POINTS / ROUND are INVALID",
                    std::string("You have selected FINALIZE and the PAYOFF POINTS / ROUND") +
                        " fields must be between 1 & 99!",
                    {SetupFocus::Box::Points, i}};
    }
    return std::nullopt;
}

SaveOutcome SaveStartingField(modBrackwell& model, Dialogs& dialogs, SetupField& field,
                              const PickProgramBuild& buildPickProgram) {
    if (const std::optional<SetupCheckFailure> failure = CheckSetupBoxes(field)) {
        dialogs.Message(failure->text, failure->title);
        return {SaveResult::Stopped, failure->focus};
    }
    if (field.FinalizeRequested() &&
        dialogs.MessageBox(FinalizeQuestion(), MsgButtons::OKCancel, MsgIcon::None, kAppTitle) != MsgAnswer::OK) {
        field.finalizeTag.assign(1, '0');  // (assigning the literal trips a false -Wrestrict of GCC 12)
        return {};
    }
    if (DemoModeActive(model)) {
        dialogs.Message(JoinLines({"You are attempting to save the Setup information while",
                                   "you are in DEMO Mode.  This is not allowed!", " ",
                                   "See Help for information on DEMO MODE or select",
                                   "Menu: MENU Mode / DEMO-Reset to exit DEMO MODE."}),
                        "DEMO MODE SAVE ATTEMPT", MsgIcon::Exclamation);
        return {};
    }
    const StartLinesArray lines = StartLinesFromSetupField(field);
    if (field.FinalizeRequested() && !buildPickProgram(lines)) {
        const std::string question =
            JoinLines({"There was a problem in creating the QUILLON program,", "do you want to continue?", "",
                       "OK - Continue without this capability.  YOU WILL NOT BE",
                       "ABLE TO CREATE THIS FILE IN THE FUTURE IF YOU", "CONTINUE WITH THIS OPTION.", "",
                       "CANCEL - Fix this problem before continuing."});
        if (dialogs.MessageBox(question, MsgButtons::OKCancel, MsgIcon::None, "FAILURE WITH QUILLON creation") !=
            MsgAnswer::OK)
            return {};
    }
    // A start file that could not be written has been reported; the setup is not final then,
    // so the window stays open with everything typed.
    if (!WriteStartFile(model, dialogs, lines)) return {};
    for (int i = 0; i <= kStartEndLine; ++i) model.StartLines[i] = lines[i];
    model.TournamentTitle = lines[kTitleLine];
    return {field.FinalizeRequested() ? SaveResult::Finalized : SaveResult::Saved, {}};
}

}  // namespace brackwell
