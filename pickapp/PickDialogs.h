#pragma once
// The pick program's message boxes and file dialog: Qt in the program, a recording double in
// the tests. Text is Windows-1252; file paths are the system's own bytes.

#include <optional>
#include <string>

namespace brackwell::pick {

struct SaveFileRequest {
    std::string title;
    std::string filter;  // "Description|patterns|Description|patterns||"
    std::string defaultExtension;
    std::string suggestedName;
    bool promptOverwrite = false;
};

class PickDialogs {
public:
    virtual ~PickDialogs() = default;
    // A message with the exclamation icon and an OK button.
    virtual void Warn(const std::string& title, const std::string& text) = 0;
    // The chosen path; nothing when the user cancels.
    virtual std::optional<std::string> SaveFileName(const SaveFileRequest& request) = 0;
    // The "About QUILLON" box.
    virtual void About() = 0;
};

}  // namespace brackwell::pick
