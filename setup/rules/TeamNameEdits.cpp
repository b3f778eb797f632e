#include "setup/rules/TeamNameEdits.h"

#include <algorithm>

#include "core/TextHelpers.h"

namespace brackwell {

namespace {

bool IsEntry(const std::vector<std::string>& entries, std::optional<int> index) {
    return index && *index >= 0 && *index < static_cast<int>(entries.size());
}

}  // namespace

std::optional<int> AddTeamName(std::vector<std::string>& entries, modBrackwell& model, Dialogs& dialogs) {
    const std::string prompt = std::string("You have chosen to add a name to the ") + kCrLf +
                               "list of NCAA teams.  Enter " + "the new name " + kCrLf + "and press enter.";
    const std::string name = dialogs.InputBox(prompt, "Name Addition", "");
    if (name.empty()) return std::nullopt;
    model.TeamNamesChanged = true;
    return static_cast<int>(InsertInListOrder(entries, name));
}

std::optional<int> ChangeTeamName(std::vector<std::string>& entries, std::optional<int> selected,
                                  modBrackwell& model, Dialogs& dialogs) {
    if (!IsEntry(entries, selected)) {
        dialogs.Message("** You need to select one team to CHANGE **");
        return std::nullopt;
    }
    const std::string prompt = std::string("You have chosen to change a name in the ") + kCrLf +
                               "list of NCAA teams.  Enter " + "your changes " + kCrLf + "and press enter.";
    const std::string name = dialogs.InputBox(prompt, "Team Name Changes", entries[*selected]);
    if (name.empty()) return std::nullopt;
    entries.erase(entries.begin() + *selected);
    model.TeamNamesChanged = true;
    return static_cast<int>(InsertInListOrder(entries, name));
}

bool DeleteTeamName(std::vector<std::string>& entries, std::optional<int> selected, modBrackwell& model,
                    Dialogs& dialogs) {
    if (!IsEntry(entries, selected)) {
        dialogs.Message("** You need to select one team to DELETE **");
        return false;
    }
    const std::string question = std::string("You have chosen to delete a name in the ") + kCrLf +
                                 "list of NCAA teams.  Confirm " + "that you want to " + kCrLf + "delete the " +
                                 "team: " + entries[*selected];
    if (dialogs.MessageBox(question, MsgButtons::OKCancel, MsgIcon::None, "Team Name Delete") == MsgAnswer::Cancel)
        return false;
    entries.erase(entries.begin() + *selected);
    model.TeamNamesChanged = true;
    return true;
}

void NoteTypedTeamName(std::vector<TypedTeamName>& table, int slot, const std::string& name,
                       const std::vector<std::string>& entries) {
    std::erase_if(table, [slot](const TypedTeamName& row) { return row.slot == slot; });
    const bool known = std::any_of(entries.begin(), entries.end(),
                                   [&name](const std::string& entry) { return EqualsIgnoreCase(entry, name); });
    if (!IsBlankField(name) && !known) table.push_back({slot, name});
}

}  // namespace brackwell
