#include "app/TrappedCommand.h"

#include <exception>

namespace brackwell {

namespace {
void Report(Dialogs& dialogs, const std::string& title, const char* description) {
    const std::string text = description != nullptr && *description != '\0' ? description : "General Error Condition";
    dialogs.Message(text, title, MsgIcon::Critical);
}
}  // namespace

bool RunTrapped(Dialogs& dialogs, const std::string& title, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        Report(dialogs, title, error.what());
    } catch (...) {
        Report(dialogs, title, nullptr);
    }
    return false;
}

}  // namespace brackwell
