#pragma once
// What the outlook window hands to other windows of the program. An empty hook leaves its
// control disabled.

#include <functional>
#include <string>

#include "core/Model.h"

namespace brackwell {

struct OutlookWindowHooks {
    // "Show a winning scenario": the bracket window shows these results (a completion of the
    // entered ones) with the caption on its score line, as results are shown, saving nothing.
    std::function<void(const SelLinesArray& results, const std::string& caption)> showScenario;
    // "Publish": the mail window with every participant's address, as "Email All Participants"
    // opens it; it leaves what to send in the model's mail hand-over.
    std::function<void()> showMailWindow;
};

}  // namespace brackwell
