#include "pickapp/rules/SaveRules.h"

#include <dirent.h>
#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

namespace brackwell::pick {

namespace {
constexpr const char* kSettingsName = "BRACKWELL.INI";

// The settings file's path in folder, whatever the case of its name there.
std::string SettingsPath(const std::string& folder) {
    std::string found = folder + "/" + kSettingsName;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (strcasecmp(entry->d_name, kSettingsName) == 0) {
                found = folder + "/" + entry->d_name;
                break;
            }
        }
        closedir(dir);
    }
    return found;
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

bool DemoFlagSet(const std::string& folder) {
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(SettingsPath(folder).c_str(), "rb"));
    return file != nullptr && std::fgetc(file.get()) == '1';
}

int LeadingNumber(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > 99999) break;  // far out of range already; keeps the sum from overflowing
    }
    return value;
}

std::optional<std::string> SaveRefusal(bool demoMode, const std::string& initials, const std::string& name,
                                       const std::string& totalPoints) {
    if (demoMode) return "DEMO Mode active, you cannot save the file.";
    if (initials.empty() || name.empty() || totalPoints.empty())
        return "Required fields are missing.  You must fill in the fields\n"
               "for *Initials*, *Name*, and *Total Points Prediction*.";
    const int total = LeadingNumber(totalPoints);
    if (total < kLowestTotal || total > kHighestTotal)
        return "Final Game - you must enter a valid prediction\n"
               "(between 50 & 250) for the total score of this game.";
    return std::nullopt;
}

std::string SuggestedFileName(const std::string& name, const std::string& initials) { return name + "_" + initials; }

bool WritePickSelection(const std::string& path, const PickBracket& bracket, const std::string& initials,
                        const std::string& name, const std::string& totalPoints) {
    // A file that is there but may not be written stays as it is, as if it could not be opened.
    if (access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0) return false;
    const std::string temp = path + ".~tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) return false;
    auto line = [file](const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fputs("\r\n", file);
    };
    for (int position = 1; position <= kPositionCount; ++position) line(bracket.Caption(position));
    line(initials);
    line(name);
    line(totalPoints);
    line("*END*");
    const bool written = std::ferror(file) == 0;
    if (std::fclose(file) == 0 && written && std::rename(temp.c_str(), path.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}

}  // namespace brackwell::pick
