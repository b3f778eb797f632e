#include "core/Dialogs.h"

namespace brackwell {

void ReportTrappedError(Dialogs& dialogs, const std::string& title, const std::string& description) {
    dialogs.Message(description.empty() ? "General Error Condition" : description, title, MsgIcon::Critical);
}

std::string ModuleErrorTitle(const std::string& routine) { return "MODULE: modBrackwell - " + routine; }

}  // namespace brackwell
