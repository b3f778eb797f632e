#pragma once
// The help menu's two windows: the help file and the about box.

#include <string>

namespace brackwell {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Shows the help file; false when it cannot be shown (the caller gives the message).
    virtual bool ShowHelpFile(const std::string& path) = 0;
    // The about window, modal, with the program's version.
    virtual void ShowAbout() = 0;
};

}  // namespace brackwell
