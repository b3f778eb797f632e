#pragma once
// The pool as the standings see it, read once for the outlook: the results the bracket shows
// after "Enter Game Results", the points per round and seeds of the start field, and every
// selection file in the standings' order.

#include <optional>
#include <string>

#include "core/Dialogs.h"
#include "outlook/rules/Outlook.h"

namespace brackwell {

// Reads the folder's start field, results and selection files, each once, with the readers'
// messages through dialogs; a faulty selection takes part with what could be read of it.
// Without a results file the scoring's message is shown and there is no pool.
std::optional<OutlookPool> ReadOutlookPool(const std::string& folder, Dialogs& dialogs);

}  // namespace brackwell
