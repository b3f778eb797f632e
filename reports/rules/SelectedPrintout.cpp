#include "reports/rules/SelectedPrintout.h"

#include "core/FileSystem.h"
#include "core/SelectionFile.h"

namespace brackwell {

namespace {

void Tell(Dialogs& dialogs, const char* text) {
    dialogs.MessageBox(text, MsgButtons::OK, MsgIcon::None, kSelectedPrintoutTitle);
}

}  // namespace

std::optional<Printout> CheckSelectedPrintout(const modBrackwell& model, Dialogs& dialogs,
                                              std::optional<Printout> chosen, const std::string& selectedFile) {
    if (!chosen) {
        Tell(dialogs, "You need to make a selection from one of the two options\r\nfor selected printouts.  Please try again.");
        return std::nullopt;
    }
    if (!FileExists(model.AppFilePath(kResultsFileName))) {
        Tell(dialogs, "Game Results have not been entered, this option\r\nis NOT valid until this activity has been completed");
        return std::nullopt;
    }
    if (*chosen == Printout::ScoredSelection && selectedFile.empty()) {
        Tell(dialogs, "You must select one of the entries from the list \r\nof File Names for display.\r\n\r\n"
                      "Make a selection and then retry.");
        return std::nullopt;
    }
    return chosen;
}

}  // namespace brackwell
