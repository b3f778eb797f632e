#include "participants/rules/RosterFileKey.h"

#include "core/FileSystem.h"
#include "core/TextHelpers.h"

namespace brackwell {

std::string RosterFileKey(std::string_view fileNameField) {
    std::string key = UpperCase(fileNameField);
    const auto extension = key.rfind("BKS");
    if (extension == std::string::npos) return TrimTrailingSpaces(key);
    key.resize(extension + 3);
    return key;
}

std::string RosterSelectionPath(const modBrackwell& model, std::string_view fileNameField) {
    const std::string name = RosterFileKey(fileNameField);
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) return {};
    return model.AppFilePath(name);
}

std::string HandOverFileName(const modBrackwell& model, const std::string& selectionPath) {
    const std::string folder = model.AppFilePath("");
    const bool inFolder = selectionPath.size() > folder.size() && selectionPath.compare(0, folder.size(), folder) == 0;
    return UpperCase(inFolder ? selectionPath.substr(folder.size()) : NameOf(selectionPath));
}

}  // namespace brackwell
