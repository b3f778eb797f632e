#include "cli/ConsoleDialogs.h"

#include "core/TextHelpers.h"

namespace brackwell::cli {

namespace {
// Message texts break lines with CR LF; a terminal wants LF.
std::string TerminalLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, kCrLf) == 0) {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

MsgAnswer ConsoleDialogs::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon, const std::string& title) {
    err_ << TerminalLines(title) << ": " << TerminalLines(text) << '\n';
    switch (buttons) {
        case MsgButtons::OK: return MsgAnswer::OK;
        case MsgButtons::YesNo: return MsgAnswer::No;
        case MsgButtons::OKCancel:
        case MsgButtons::YesNoCancel: break;
    }
    return MsgAnswer::Cancel;
}

std::string ConsoleDialogs::InputBox(const std::string&, const std::string&, const std::string&) { return {}; }
std::optional<std::string> ConsoleDialogs::OpenFile(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsoleDialogs::SaveFile(const FileDialogRequest&) { return std::nullopt; }
bool ConsoleDialogs::PrintDialog(PrintRequest&) { return false; }
std::optional<FontChoice> ConsoleDialogs::FontDialog(const FontChoice&) { return std::nullopt; }

}  // namespace brackwell::cli
