#pragma once
// The help menu's two windows: the help file and the about box.

#include <cstddef>
#include <optional>
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
// Far more than the help we ship; a larger file is taken for something else.
inline constexpr std::size_t kMaxHelpFileSize = 4 * 1024 * 1024;

// The bytes of the help file, or of a page or picture it links to, read as every file of the
// folder is read: only a regular file (a link to one is followed), opened without waiting, and
// at most kMaxHelpFileSize bytes. Nothing when it is missing, anything but a regular file,
// larger, or cannot be read; the help window then shows the missing-file message.
std::optional<std::string> ReadHelpFile(const std::string& path);

// "Help Display" of every window: the application folder's help file, or the message that it
// cannot be shown.
void ShowHelpFile(const modBrackwell& model, HelpViewer& help, Dialogs& dialogs);

}  // namespace brackwell
