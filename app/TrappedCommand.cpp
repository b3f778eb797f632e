#include "app/TrappedCommand.h"

#include <exception>

namespace brackwell {

bool RunTrapped(Dialogs& dialogs, const std::string& title, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        ReportTrappedError(dialogs, title, error.what());
    } catch (...) {
        ReportTrappedError(dialogs, title, "");
    }
    return false;
}

}  // namespace brackwell
