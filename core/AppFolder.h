#pragma once
// Where the pool's files live: $BRACKWELL_HOME when set; else the program's own folder when it
// holds the pick-program template and can be written (a portable install); else the per-user
// data folder, created and seeded from the installed shared files on first start.

#include <optional>
#include <string>

namespace brackwell {

inline constexpr const char* kTemplateFileName = "QUILLON.OBJ";

// What an installation brings into an application folder that lacks it: the templates, the demo
// set, the team list and the help. Never the pool's own files.
inline constexpr const char* kShippedFileNames[] = {kTemplateFileName, "QUILLON-TEMPLATE.HTM", "DEMOSET.ZIP",
                                                    "NCAALIST.BKT", "BRACKWELL.HLP"};

struct AppFolderPlaces {
    std::optional<std::string> brackwellHome;  // the environment variable, when set and not empty
    std::string programFolder;                 // the folder of the running executable
    std::string userDataFolder;                // e.g. ~/.local/share/Brackwell
    std::string sharedDataFolder;              // the installed share/brackwell
};

enum class AppFolderKind { Environment, Portable, PerUser };

struct AppFolderChoice {
    std::string folder;
    AppFolderKind kind = AppFolderKind::PerUser;
};

AppFolderChoice ChooseAppFolder(const AppFolderPlaces& places);

// Creates the per-user folder when needed and copies into it every shared file it lacks.
// False when the folder cannot be created.
// Copies into folder each shipped file it lacks, from sourceFolder: for a folder named by
// BRACKWELL_HOME, which may be new and empty. False when the folder does not exist.
bool SeedShippedFiles(const std::string& folder, const std::string& sourceFolder);

bool SeedUserFolder(const std::string& userDataFolder, const std::string& sharedDataFolder);

// The per-user data folder of the platform: $XDG_DATA_HOME/Brackwell or ~/.local/share/Brackwell.
std::string DefaultUserDataFolder();

}  // namespace brackwell
