// The bracket window's commands: new, open and save, results and scores, printing, the demo
// pool, the high-seed fill and the pick program's test, print and mail.

#include "bracket/frmPoolMain.h"

#include <QLineEdit>

#include <stdexcept>

#include "desktop/AnsiQt.h"
#include "desktop/WindowImages.h"
#include "bracket/BracketCanvas.h"
#include "bracket/BracketWidgets.h"
#include "bracket/rules/HighSeeds.h"
#include "bracket/rules/SelectionCommands.h"
#include "core/DemoSet.h"
#include "core/FileSystem.h"
#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "fieldblock/PickProgramBuilder.h"
#include "core/Settings.h"

namespace brackwell {

using namespace bracket_ui;

namespace {


// The note of the pick program's mail: how to open what is attached, then the steps. With the
// browser form attached, the note offers it first: it opens anywhere, a phone included.
constexpr const char* kPickProgramOnly =
    "The file attached to this Email is a program that will allow you to easily make your selections for this "
    "year's tournament and pool.  The program can be stored to your system and executed or if you double-click "
    "the attachment with your mouse, it can be run directly from this Email.";
constexpr const char* kPickProgramAndForm =
    "The files attached to this Email will allow you to easily make your selections for this year's tournament "
    "and pool.  Open QUILLON.HTM in any web browser (on a computer, a tablet or a phone; nothing to install), or "
    "run the program QUILLON.EXE: it can be stored to your system and executed or if you double-click the "
    "attachment with your mouse, it can be run directly from this Email.";
constexpr const char* kPickSteps =
    "\r\n\r\n"
    "1) Select the winner of each of the games by clicking your left mouse button on the predicted winner for "
    "each game.\r\n\r\n"
    "2)  Now enter your Initials, Lastname, and Predicted Point Total for the championship game.\r\n\r\n";
constexpr const char* kPickSaveProgramOnly = "3) Save your selections by selecting the menu option - [File - SaveAs]. ";
constexpr const char* kPickSaveProgramAndForm =
    "3) Save your selections: in the browser with the [Save As] button, in the program by selecting the menu "
    "option - [File - SaveAs]. ";
constexpr const char* kPickReturn =
    "\r\n\r\n"
    "4) Finally, attach the file you saved to another Email and return this file to me.  The name of this file "
    "will be developed from your initials and last name..... For example, TM Smith would find a file with the "
    "name of Smith_TM.BKS.";

std::string PickProgramNote(bool withForm) {
    return std::string(withForm ? kPickProgramAndForm : kPickProgramOnly) + kPickSteps +
           (withForm ? kPickSaveProgramAndForm : kPickSaveProgramOnly) + kPickReturn;
}


}  // namespace

void frmPoolMain::NewSelection() {
    const std::string finalizedBefore = model_.SetupFinalized;
    ClearBracket(*this);
    ClearResultMarks(model_, *this);
    ShowStartField();
    AfterNewSelection(menu_, finalizedBefore, CurrentFlags());
    FinishLoad();
}

void frmPoolMain::OpenSelectionCommand() {
    if (OpenSelection(model_, *this, platform_.dialogs))
        AfterOpenSelection(menu_, FileExists(model_.AppFilePath(kResultsFileName)));
}

bool frmPoolMain::RefusedWhileStandingsOpen(const char* procedure, const char* then) {
    if (!model_.StandingsOpen) return false;
    platform_.dialogs.Message(std::string("The standings are open and score against the results shown on the bracket.\r\n"
                                          "Close the standings window, then ") +
                                  then + ".",
                              ProcedureTitle(procedure), MsgIcon::Exclamation);
    return true;
}

void frmPoolMain::PrintScoredSelection(const std::string& path) {
    if (RefusedWhileStandingsOpen("cmdSelectedPrintouts_Click", "print")) return;
    RunCommand("cmdSelectedPrintouts_Click", [this, &path] {
        if (!OpenSelectionFile(model_, *this, platform_.dialogs, path)) return;
        AfterOpenSelection(menu_, FileExists(model_.AppFilePath(kResultsFileName)));
        ScoreSelections();
        PrintForm();
    });
}

void frmPoolMain::PrintResultsSheet() {
    if (RefusedWhileStandingsOpen("cmdSelectedPrintouts_Click", "print")) return;
    RunCommand("cmdSelectedPrintouts_Click", [this] {
        GameResults();
        PrintForm();
    });
}

void frmPoolMain::ShowResults() {
    RunCommand("cmdCustomReport_Click", [this] { GameResults(); });
}

void frmPoolMain::SaveSelectionCommand() { SaveSelection(model_, *this, platform_.dialogs, hooks_.editRoster); }

void frmPoolMain::PrintForm() {
    PrintRequest request;
    if (!platform_.dialogs.PrintDialog(request)) return;
    platform_.printer.PrintImage(ImageOfWidget(*canvas_), request);
}

void frmPoolMain::GameResults() {
    const std::string resultsPath = model_.AppFilePath(kResultsFileName);
    if (FileExists(resultsPath)) {
        ReadSelections(model_, platform_.dialogs, resultsPath);
        SelectionToWindow(model_, *this);
        ClearResultMarks(model_, *this);
        SetPointScore("");
    } else {
        Load();
        ClearBracket(*this);
        SetPlayerInitials("A");
        SetPlayerName("FinalResults");
        SetPointScore("");
    }
    // The real total of the final is typed here, whatever view came before.
    LockNameFields(true);
    SetLocked(txtFinalPoints, false);
    AfterGameResults(menu_);
    model_.ResultsMode = true;
}

void frmPoolMain::ShowScenario(const SelLinesArray& lines, const std::string& caption) {
    if (RefusedWhileStandingsOpen("ShowScenario", "show the scenario")) return;
    RunCommand("ShowScenario", [this, &lines, &caption] {
        MoveToTopLeft();
        model_.SelLines = lines;
        SelectionToWindow(model_, *this);
        ClearResultMarks(model_, *this);
        SetPlayerFieldsLocked(true);
        SetPointScore(caption);
        AfterScenarioView(menu_);
        model_.ResultsMode = false;
    });
}

void frmPoolMain::ScoreSelections() {
    MoveToTopLeft();
    menu_.scoreSelections = false;
    if (model_.ResultsMode) {
        hooks_.openStandings();
        return;
    }
    if (!FileExists(model_.AppFilePath(kResultsFileName))) {
        ReportMissingResultsFile(platform_.dialogs);
        return;
    }
    const ScoreRecord record =
        ScoreSelection(model_, *this, platform_.dialogs, kResultsFileName, ScoringContext::BracketWindow);
    ShowResultMarks(model_, *this);
    SetPointScore("Points: " + std::to_string(record.Score) + " / " + std::to_string(record.MaxScore));
    AfterScoredView(menu_);
    SetPlayerFieldsLocked(true);
}

void frmPoolMain::ReturnFromScores() {
    ClearResultMarks(model_, *this);
    AfterReturn(menu_);
    SetPlayerFieldsLocked(false);
    SetPointScore("");
}

void frmPoolMain::DemoStart() {
    const std::string text = std::string("You have selected to enter DEMO MODE\r\n \r\n") +
                             "If you continue, any setup activity INCLUDING the \r\n" +
                             "files defining the starting tournament teams and\r\n" +
                             "the special comments will be deleted..\r\n \r\nDo you want to enter DEMO Mode?";
    if (platform_.dialogs.MessageBox(text, MsgButtons::OKCancel, MsgIcon::None, "** DEMO MODE SET **") != MsgAnswer::OK)
        return;
    DemoSet(model_, platform_.dialogs);
    hooks_.reload();
}

void frmPoolMain::DemoResetCommand() {
    DemoReset(model_, platform_.dialogs);
    hooks_.reload();
}

void frmPoolMain::HighSeeds() {
    std::array<std::string, 16> seeds;
    for (int k = 0; k < 16; ++k) seeds[k] = QStringToAnsi(txtSeed[k]->text());
    SelectHighSeeds(*this, model_.AdvanceTable, seeds);
}

void frmPoolMain::TestQuillon() {
    if (!platform_.launcher.StartDetached(model_.AppFilePath(kPickProgramName)))
        throw std::runtime_error(std::string("The program ") + kPickProgramName + " could not be started.");
}

void frmPoolMain::PrintBlankForm() {
    NewSelection();
    PrintForm();
}

void frmPoolMain::SendEmail() {
    const std::string program = model_.AppFilePath(kPickProgramName);
    if (!FileExists(program)) {
        platform_.dialogs.Message("The file QUILLON.EXE doesn't exist.\r\n\r\nThis option cannot be continued.",
                                  ProcedureTitle("mnuPicsEmail_Click"), MsgIcon::Critical);
        return;
    }
    MailService& mail = platform_.mail;
    if (!mail.SessionOpen()) mail.SignOn();
    MailMessage message;
    message.subject = "NCAA Pool Selections";
    message.attachments.push_back(MailAttachment{ResolveExistingName(program), 0});
    // The pick form for browsers goes along when it was built, for participants who cannot run
    // the program; an install without its template has only the program to send.
    const std::string form = model_.AppFilePath(kPickFormName);
    const bool withForm = FileExists(form);
    if (withForm) message.attachments.push_back(MailAttachment{ResolveExistingName(form), 1});
    message.noteText = PickProgramNote(withForm);
    mail.Send(message);
    mail.SignOff();
}

void frmPoolMain::HelpDisplay() { ShowHelpFile(model_, platform_.help, platform_.dialogs); }

}  // namespace brackwell
