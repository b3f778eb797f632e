#include "cli/ConsoleDialogs.h"

#include "core/TextHelpers.h"

namespace brackwell::cli {

void ConsoleDialogs::Show(const std::string& title, const std::string& text) {
    // Message texts break lines with CR LF; a terminal wants LF.
    err_ << ReplaceLineBreaks(title, '\n') << ": " << ReplaceLineBreaks(text, '\n') << '\n';
}

}  // namespace brackwell::cli
