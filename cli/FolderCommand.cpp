#include "cli/FolderCommand.h"

#include "cli/CommandLine.h"
#include "cli/DefaultAppFolder.h"
#include "core/FileSystem.h"

namespace brackwell::cli {

std::optional<int> StartFolderCommand(const char* command, const std::optional<std::string>& complaint, bool help,
                                      const std::optional<std::string>& folderOption, std::string& folder,
                                      std::ostream& out, std::ostream& err) {
    if (complaint) {
        err << kProgramName << ' ' << command << ": " << *complaint << "; see " << kProgramName << " --help\n";
        return kExitUsage;
    }
    if (help) {
        out << UsageText();
        return out.flush() ? kExitOk : kExitFailure;
    }
    folder = folderOption ? *folderOption : DefaultAppFolder();
    if (!FolderExists(folder)) {
        err << kProgramName << ' ' << command << ": the application folder \"" << folder << "\" does not exist\n";
        return kExitFailure;
    }
    return std::nullopt;
}

}  // namespace brackwell::cli
