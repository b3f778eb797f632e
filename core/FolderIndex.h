#pragma once
// The names in folders, looked up without regard to case as ResolveExistingName does, listed
// once per folder and kept current by the caller as it adds entries: for work that writes many
// files into one folder, where listing the folder for every file would cost its square.

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace brackwell {

class FolderIndex {
public:
    // The name of folder's entry that matches name without regard to case: name itself when it
    // is there, else the lowest match in byte order, else name.
    std::string Resolve(const std::string& folder, const std::string& name);
    // Records an entry made in folder.
    void Add(const std::string& folder, const std::string& name);

private:
    struct Listing {
        std::unordered_set<std::string> names;
        std::unordered_map<std::string, std::string> lowestByFolded;
        void Add(const std::string& name);
    };
    Listing& ListingOf(const std::string& folder);

    std::unordered_map<std::string, Listing> folders_;
};

}  // namespace brackwell
