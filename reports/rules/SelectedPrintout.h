#pragma once
// "Create Selected Printout": which of the two printouts the bracket window prints, once the
// choice, the results file and (for a scored selection) the chosen file have been checked.

#include <optional>
#include <string>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kSelectedPrintoutTitle = "Brackwell - frmPoolReports, cmdSelectedPrintouts";

enum class Printout { ScoredSelection = 0, ResultsSheet = 1 };

// chosen: the ticked printout button, if any; selectedFile: the file list's selection, empty
// when none. The printout to make, or nothing after the message that says why not.
std::optional<Printout> CheckSelectedPrintout(const modBrackwell& model, Dialogs& dialogs,
                                              std::optional<Printout> chosen, const std::string& selectedFile);

}  // namespace brackwell
