#pragma once
// Start-up of the organiser's program: where its files live, the shared model and the frame
// window with its first child.

#include <string>

#include "app/frmPoolMIDI.h"
#include "core/AppFolder.h"
#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

// The places the application folder is chosen from, as the running program sees them:
// $BRACKWELL_HOME, the program's folder, the per-user data folder and the installed shared
// files beside the program (<program folder>/../share/brackwell).
AppFolderPlaces ProgramPlaces();

// The application folder for these places. The per-user folder is created and given every
// shared file it lacks before it is used.
std::string PrepareAppFolder(const AppFolderPlaces& places);

// One run of the program: the model shared by every window, and the frame that holds them.
class AppSession {
public:
    AppSession(std::string appFolder, Dialogs& dialogs);

    // Shows the frame, loads the start field and shows it in the frame.
    void Start();

    modBrackwell& model() { return model_; }
    frmPoolMIDI& frame() { return frame_; }

private:
    modBrackwell model_;
    Dialogs& dialogs_;
    frmPoolMIDI frame_;
};

}  // namespace brackwell
