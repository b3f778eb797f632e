#include "core/AppFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/FileSystem.h"

namespace brackwell {

AppFolderChoice ChooseAppFolder(const AppFolderPlaces& places) {
    if (places.brackwellHome && !places.brackwellHome->empty()) return {*places.brackwellHome, AppFolderKind::Environment};
    const std::string templatePath = places.programFolder + "/" + kTemplateFileName;
    if (!places.programFolder.empty() && FileExists(templatePath) && access(places.programFolder.c_str(), W_OK) == 0)
        return {places.programFolder, AppFolderKind::Portable};
    return {places.userDataFolder, AppFolderKind::PerUser};
}

bool SeedUserFolder(const std::string& userDataFolder, const std::string& sharedDataFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(userDataFolder, error);
    if (!FolderExists(userDataFolder)) return false;
    for (const auto& entry : fs::directory_iterator(sharedDataFolder, error)) {
        if (!entry.is_regular_file(error)) continue;
        const std::string target = userDataFolder + "/" + entry.path().filename().string();
        if (FileExists(target)) continue;
        fs::copy_file(entry.path(), target, error);
    }
    return true;
}

bool SeedShippedFiles(const std::string& folder, const std::string& sourceFolder) {
    if (!FolderExists(folder)) return false;
    std::error_code error;
    for (const char* name : kShippedFileNames) {
        const std::string source = sourceFolder + "/" + name;
        const std::string target = folder + "/" + name;
        if (FileExists(target) || !FileExists(source)) continue;
        std::filesystem::copy_file(ResolveExistingName(source), target, error);
    }
    return true;
}

std::string DefaultUserDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0')
        return std::string(xdg) + "/Brackwell";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/share/Brackwell";
}

}  // namespace brackwell
