#include "cli/DefaultAppFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "core/AppFolder.h"
#include "core/FileSystem.h"

namespace brackwell::cli {

namespace {
std::string ExecutableFolder() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
    return FolderOf(std::string(buffer.data(), static_cast<std::size_t>(length)));
}
}  // namespace

std::string DefaultAppFolder() {
    AppFolderPlaces places;
    if (const char* home = std::getenv("BRACKWELL_HOME"); home != nullptr && *home != '\0') places.brackwellHome = home;
    places.programFolder = ExecutableFolder();
    places.userDataFolder = DefaultUserDataFolder();
    return ChooseAppFolder(places).folder;
}

}  // namespace brackwell::cli
