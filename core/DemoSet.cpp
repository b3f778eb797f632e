#include "core/DemoSet.h"

#include <string>

#include "core/DemoKeptPool.h"
#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

namespace {

// The prizes set while the demo runs are the demo's too.
void DeleteDemoFiles(const modBrackwell& model) {
    for (const char* name : {kSettingsFileName, kStartFileName, kResultsFileName, kRosterFileName, "QUILLON.EXE",
                             "QUILLON.HTM", "PRIZES.TXT"})
        DeleteFileIfPresent(model.AppFilePath(name));
    for (const char* name : kDemoSelectionFiles) DeleteFileIfPresent(model.AppFilePath(name));
}

}  // namespace

void DemoReset(const modBrackwell& model, Dialogs& dialogs) {
    DeleteDemoFiles(model);
    PutBackOrganisersPool(model, dialogs);
}

void DemoSet(const modBrackwell& model, Dialogs& dialogs) {
    if (!FileExists(model.AppFilePath(kDemoArchiveName))) {
        dialogs.Message(std::string("The DEMOSET.ZIP file is missing from the application") + kCrLf +
                            "directory.  Verify the installation of " + "BRACKWELL.",
                        "BRACKWELL - DemoModeSet");
        return;
    }
    if (!KeepOrganisersPool(model, dialogs)) return;
    // With the organiser's files kept, what is left under the demo's names is an earlier demo's.
    DeleteDemoFiles(model);
    if (UnpackDemoSet(model, dialogs) != UnzipResult::kOk) DemoReset(model, dialogs);
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
