#include "core/HelpViewer.h"

namespace brackwell {

void ShowHelpFile(const modBrackwell& model, HelpViewer& help, Dialogs& dialogs) {
    if (help.ShowHelpFile(model.AppFilePath(kHelpFileName))) return;
    dialogs.Message(
        "Trouble loading the help file, make sure that \r\nBRACKWELL.HLP is present in the same directory \r\nas "
        "the application program.",
        "** Help File Problem **");
}

}  // namespace brackwell
