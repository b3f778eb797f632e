// The team-list reader on any bytes; the list written from the names read reads back to the
// same file.

#include "core/TeamNames.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

namespace {
std::vector<std::string> Entries(const modBrackwell& model) {
    std::vector<std::string> entries;
    for (std::size_t i = 1; i < model.TeamNameList.size(); ++i)
        if (!model.TeamNameList[i].empty()) entries.push_back(model.TeamNameList[i]);
    return entries;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FreshFolder();
    const std::string path = fuzz::PathIn(kTeamListFileName);
    fuzz::WriteFile(path, fuzz::Bytes(data, size));
    modBrackwell model(fuzz::Folder());
    model.TeamNamesChanged = true;
    fuzz::AnsweringDialogs dialogs;
    ReadTeamNames(model, dialogs);
    WriteTeamNames(model, dialogs, Entries(model), {});
    const std::string written = fuzz::ReadFile(path);
    fuzz::Expect(ReadTeamNames(model, dialogs), "a written team list reads");
    WriteTeamNames(model, dialogs, Entries(model), {});
    fuzz::Expect(fuzz::ReadFile(path) == written, "a written team list reads back unchanged");
    return 0;
}
