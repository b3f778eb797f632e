#pragma once
// The start that every command on an application folder shares.

#include <optional>
#include <ostream>
#include <string>

namespace brackwell::cli {

// A complaint about the command line ends the command with kExitUsage, --help with the usage;
// otherwise folder is the one named (or the default application folder), which must exist.
// Returns the exit status when the command ends here.
std::optional<int> StartFolderCommand(const char* command, const std::optional<std::string>& complaint, bool help,
                                      const std::optional<std::string>& folderOption, std::string& folder,
                                      std::ostream& out, std::ostream& err);

}  // namespace brackwell::cli
