#pragma once
// Small shell scripts that stand in for the programs Brackwell starts.

#include <filesystem>
#include <string>

#include "tests/support/TempFolder.h"

namespace brackwell::testing {

// Writes "#!/bin/sh" and body as an executable file of the folder; returns its path.
inline std::string WriteScript(const TempFolder& folder, const std::string& name, const std::string& body) {
    folder.Write(name, "#!/bin/sh\n" + body + "\n");
    const std::string path = folder.File(name);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    return path;
}

}  // namespace brackwell::testing
