#pragma once
// Every message box, input box and common dialog the rules ask for goes through Dialogs.
// The application implements it with Qt; tests play scripted answers.

#include <optional>
#include <string>

namespace brackwell {

// The title of a message box that names none.
inline constexpr const char* kAppTitle = "Brackwell";

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string filter;        // "PoolSelections (*.BKS) | *.BKS"
    std::string initialPath;   // folder and proposed file name
    std::string defaultExtension;
    bool promptOverwrite = false;
};

enum class Orientation { Portrait, Landscape };

struct PrintRequest {
    Orientation orientation = Orientation::Portrait;
};

struct FontChoice {
    std::string name;
    double size = 10.0;
    bool bold = false;
    bool italic = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) = 0;
    // The answer typed; empty when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
    // True when the user confirms printing; the request may be changed by the dialog.
    virtual bool PrintDialog(PrintRequest& request) = 0;
    virtual std::optional<FontChoice> FontDialog(const FontChoice& initial) = 0;

    // A plain OK box.
    void Message(const std::string& text, const std::string& title = kAppTitle,
                 MsgIcon icon = MsgIcon::None) {
        MessageBox(text, MsgButtons::OK, icon, title);
    }
};

// The answer of a box closed without a button, or that nobody is there to answer: OK for an OK
// box, No for Yes/No, Cancel for a box that has a Cancel button.
MsgAnswer DeclineAnswer(MsgButtons buttons);

// A trapped run-time error: its description, or "General Error Condition" when it has none,
// with the critical icon under the title naming the window (or module) and procedure.
void ReportTrappedError(Dialogs& dialogs, const std::string& title, const std::string& description);
std::string ModuleErrorTitle(const std::string& routine);

}  // namespace brackwell
