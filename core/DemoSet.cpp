#include "core/DemoSet.h"

#include <string>

#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

void DemoReset(const modBrackwell& model) {
    for (const char* name : {kSettingsFileName, kStartFileName, kResultsFileName, kRosterFileName, "QUILLON.EXE",
                             "QUILLON.HTM"})
        DeleteFileIfPresent(model.AppFilePath(name));
    for (const char* name : kDemoSelectionFiles) DeleteFileIfPresent(model.AppFilePath(name));
}

void DemoSet(const modBrackwell& model, Dialogs& dialogs) {
    DemoReset(model);
    if (FileExists(model.AppFilePath(kDemoArchiveName))) {
        UnpackDemoSet(model, dialogs);
        return;
    }
    dialogs.Message(std::string("The DEMOSET.ZIP file is missing from the application") + kCrLf +
                        "directory.  Verify the installation of " + "BRACKWELL.",
                    "BRACKWELL - DemoModeSet");
}

bool StartDemoMode(const modBrackwell& model, Dialogs& dialogs) {
    std::string question;
    for (const char* line : {"You have selected to enter DEMO MODE", " ",
                             "If you continue, any setup activity INCLUDING the ",
                             "files defining the starting tournament teams and", "the special comments will be deleted..",
                             " ", "Do you want to enter DEMO Mode?"}) {
        if (!question.empty()) question += kCrLf;
        question += line;
    }
    if (dialogs.MessageBox(question, MsgButtons::OKCancel, MsgIcon::None, "** DEMO MODE SET **") != MsgAnswer::OK)
        return false;
    DemoSet(model, dialogs);
    return true;
}

UnzipResult UnpackDemoSet(const modBrackwell& model, Dialogs& dialogs) {
    const std::string archive = ResolveExistingName(model.AppFilePath(kDemoArchiveName));
    ZipExtractor extractor(dialogs);
    // The archive's own folder is the application folder without a trailing separator.
    const UnzipResult result = extractor.Extract(archive, FolderOf(model.AppFilePath(kDemoArchiveName)));
    if (result != UnzipResult::kOk) dialogs.Message(std::to_string(static_cast<int>(result)));
    return result;
}

}  // namespace brackwell
