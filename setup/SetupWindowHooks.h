#pragma once
// How the setup window hands control back to the frame.

#include <functional>

namespace brackwell {

struct SetupWindowHooks {
    std::function<void()> returnToBracket;  // Exit, and a finalizing save: the frame shows the bracket window and this window unloads
    std::function<void()> reload;           // DEMO-Start / DEMO-Reset: unload this window and show a new one
};

}  // namespace brackwell
