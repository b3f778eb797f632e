#pragma once
// Dialogs where nobody is there to answer (the command line, the benchmarks): every message box
// is handed to Show with its title and text; an OK box answers OK and every other question is
// declined; an input box gives "", and no file, printer or font is ever chosen.

#include "core/Dialogs.h"

namespace brackwell {

class UnattendedDialogs : public Dialogs {
public:
    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrintDialog(PrintRequest& request) override;
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override;

protected:
    // Where a message box goes instead of a screen.
    virtual void Show(const std::string& title, const std::string& text) = 0;
};

}  // namespace brackwell
