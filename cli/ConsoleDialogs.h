#pragma once
// Dialogs for the command line: a message box becomes its title and text on the error stream;
// nobody is there to answer, so every question is declined and only OK goes through.

#include <ostream>

#include "core/Dialogs.h"

namespace brackwell::cli {

class ConsoleDialogs final : public Dialogs {
public:
    explicit ConsoleDialogs(std::ostream& err) : err_(err) {}

    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrintDialog(PrintRequest& request) override;
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override;

private:
    std::ostream& err_;
};

}  // namespace brackwell::cli
