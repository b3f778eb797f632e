#include "core/UnattendedDialogs.h"

namespace brackwell {

MsgAnswer UnattendedDialogs::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon,
                                        const std::string& title) {
    Show(title, text);
    return DeclineAnswer(buttons);
}

std::string UnattendedDialogs::InputBox(const std::string&, const std::string&, const std::string&) { return {}; }
std::optional<std::string> UnattendedDialogs::OpenFile(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> UnattendedDialogs::SaveFile(const FileDialogRequest&) { return std::nullopt; }
bool UnattendedDialogs::PrintDialog(PrintRequest&) { return false; }
std::optional<FontChoice> UnattendedDialogs::FontDialog(const FontChoice&) { return std::nullopt; }

}  // namespace brackwell
