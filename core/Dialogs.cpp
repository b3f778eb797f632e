#include "core/Dialogs.h"

#include <exception>

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

bool TrapErrors(Dialogs& dialogs, const std::string& title, const std::function<void()>& body) {
    std::string description;
    try {
        body();
        return true;
    } catch (const std::exception& error) {
        description = error.what();
    } catch (...) {
    }
    if (description.empty()) description = "General Error Condition";
    try {
        dialogs.Message(description, title, MsgIcon::Critical);
    } catch (...) {
        // Nothing more can be said when the message itself fails.
    }
    return false;
}

std::string ModuleErrorTitle(const std::string& routine) { return "MODULE: modBrackwell - " + routine; }

}  // namespace brackwell
