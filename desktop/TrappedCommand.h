#pragma once
// Window commands never let an exception reach the event loop: the error's description (or
// "General Error Condition" when it has none) is shown with the critical icon, under a title
// naming the window and procedure, and the command returns.

#include <functional>
#include <string>

#include "core/Dialogs.h"

namespace brackwell {

// Runs command; a trapped error is reported as above. True when it ran to its end.
bool RunTrapped(Dialogs& dialogs, const std::string& title, const std::function<void()>& command);

}  // namespace brackwell
