#pragma once
// The help menu's two windows: the help file and the about box.

#include <string>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Shows the help file; false when it cannot be shown (the caller gives the message).
    virtual bool ShowHelpFile(const std::string& path) = 0;
    // The about window, modal, with the program's version.
    virtual void ShowAbout() = 0;
};

inline constexpr const char* kHelpFileName = "BRACKWELL.HLP";

// "Help Display" of every window: the application folder's help file, or the message that it
// cannot be shown.
void ShowHelpFile(const modBrackwell& model, HelpViewer& help, Dialogs& dialogs);

}  // namespace brackwell
