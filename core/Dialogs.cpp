#include "core/Dialogs.h"

namespace brackwell {

MsgAnswer DeclineAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK: return MsgAnswer::OK;
        case MsgButtons::YesNo: return MsgAnswer::No;
        case MsgButtons::OKCancel:
        case MsgButtons::YesNoCancel: break;
    }
    return MsgAnswer::Cancel;
}

void ReportTrappedError(Dialogs& dialogs, const std::string& title, const std::string& description) {
    dialogs.Message(description.empty() ? "General Error Condition" : description, title, MsgIcon::Critical);
}

std::string ModuleErrorTitle(const std::string& routine) { return "MODULE: modBrackwell - " + routine; }

}  // namespace brackwell
