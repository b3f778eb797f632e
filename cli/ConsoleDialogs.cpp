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

void ConsoleDialogs::Show(const std::string& title, const std::string& text) {
    err_ << TerminalLines(title) << ": " << TerminalLines(text) << '\n';
}

}  // namespace brackwell::cli
