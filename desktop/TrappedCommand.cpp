#include "desktop/TrappedCommand.h"

#include <exception>

namespace brackwell {

bool RunTrapped(Dialogs& dialogs, const std::string& title, const std::function<void()>& command) {
    std::string description;
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        description = error.what();
    } catch (...) {
    }
    try {
        ReportTrappedError(dialogs, title, description);
    } catch (...) {
        // Nothing more can be said when the message itself fails.
    }
    return false;
}

}  // namespace brackwell
