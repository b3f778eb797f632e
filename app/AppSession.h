#pragma once
// Start-up of the organiser's program: where its files live, the shared model, the frame
// window, the bracket window in it and the first-run demo offer.

#include <QMdiSubWindow>
#include <QPointer>

#include <functional>
#include <string>

#include "desktop/frmPoolMIDI.h"
#include "bracket/BracketWindowHooks.h"
#include "setup/SetupWindowHooks.h"
#include "core/AppFolder.h"
#include "core/Model.h"
#include "core/Platform.h"

namespace brackwell {

class frmPoolMain;

// The places the application folder is chosen from, as the running program sees them:
// $BRACKWELL_HOME, the program's folder, the per-user data folder and the installed shared
// files beside the program (<program folder>/../share/brackwell).
AppFolderPlaces ProgramPlaces();

// The application folder for these places. The per-user folder is created and given every
// shared file it lacks before it is used.
std::string PrepareAppFolder(const AppFolderPlaces& places);

inline constexpr const char* kDemoOfferTitle = "** DEMO MODE OPTION **";

// One run of the program: the model shared by every window, and the frame that holds them.
class AppSession {
public:
    AppSession(std::string appFolder, Platform& platform);

    // Shows the frame with the bracket window; on a first run (no start field yet) offers the
    // demo pool, which on OK is unpacked and shown in a new bracket window.
    void Start();

    modBrackwell& model() { return model_; }
    frmPoolMIDI& frame() { return frame_; }
    // The help file of this run: BRACKWELL.HLP in the application folder.
    const std::string& helpFile() const { return helpFile_; }
    // The bracket window on show, or nullptr.
    frmPoolMain* bracketWindow() const;

private:
    BracketWindowHooks BracketHooks();
    // Unloads the bracket window on show and shows a new one, which loads the files afresh.
    void ReloadBracketWindow();
    void ShowBracketWindow();
    // The setup window in place of the bracket window; closing it in any way brings the
    // bracket window back, since the bracket window holds the program's menu.
    void ShowSetupWindow();
    SetupWindowHooks SetupHooks();
    // The standings over the results the bracket window shows; a second call only raises them.
    void ShowStandingsWindow();
    void ShowReportsWindow();
    // The mail window, modal, addressed to every participant with emailAll.
    void ShowMailWindow(bool emailAll);
    // Who can still win; a second call only raises the window.
    void ShowOutlookWindow();

    // The windows other parts of the program provide. Each stays empty, and its menu entry
    // disabled, until that window is part of the program.
    std::function<void()> SetupHook();
    std::function<void()> StandingsHook();
    std::function<void()> ReportsHook();
    std::function<void()> RosterHook();

    modBrackwell model_;
    Platform& platform_;
    std::string helpFile_;
    frmPoolMIDI frame_;
    QPointer<QMdiSubWindow> bracketFrame_;
    QPointer<QMdiSubWindow> setupFrame_;
    QPointer<QMdiSubWindow> standingsFrame_;
    QPointer<QMdiSubWindow> outlookFrame_;
    // The receiver of the windows' signals. Declared last, so it goes first and no signal of a
    // window deleted with the frame reaches a session half taken down.
    QObject signalGuard_;
};

}  // namespace brackwell
