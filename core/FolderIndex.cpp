#include "core/FolderIndex.h"

#include <dirent.h>

#include "core/TextHelpers.h"

namespace brackwell {

namespace {
std::string Folded(const std::string& name) {
    std::string folded(name);
    for (char& c : folded) c = LowerAnsi(c);
    return folded;
}
}  // namespace

void FolderIndex::Listing::Add(const std::string& name) {
    if (!names.insert(name).second) return;
    auto [at, added] = lowestByFolded.try_emplace(Folded(name), name);
    if (!added && name < at->second) at->second = name;
}

FolderIndex::Listing& FolderIndex::ListingOf(const std::string& folder) {
    auto [at, added] = folders_.try_emplace(folder);
    if (added) {
        if (DIR* dir = opendir(folder.c_str())) {
            while (const dirent* entry = readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != "..") at->second.Add(name);
            }
            closedir(dir);
        }
    }
    return at->second;
}

std::string FolderIndex::Resolve(const std::string& folder, const std::string& name) {
    Listing& listing = ListingOf(folder);
    if (listing.names.count(name) != 0) return name;
    const auto match = listing.lowestByFolded.find(Folded(name));
    return match == listing.lowestByFolded.end() ? name : match->second;
}

void FolderIndex::Add(const std::string& folder, const std::string& name) { ListingOf(folder).Add(name); }

}  // namespace brackwell
