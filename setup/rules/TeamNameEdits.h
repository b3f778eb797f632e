#pragma once
// The setup window's team-name list: Add, Change and Delete with their prompts, and the table of
// new names typed into the team boxes. The entries are kept in the sorted list box's order; each
// edit sets the model's team-names-changed flag, so that Exit offers to save the list.

#include <optional>
#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "core/TeamNames.h"

namespace brackwell {

// Asks for a name and adds it; its index, or nothing when the answer was empty.
std::optional<int> AddTeamName(std::vector<std::string>& entries, modBrackwell& model, Dialogs& dialogs);

// Offers the selected name for changing and puts the answer in its place in the order; the new
// index, or nothing when no name is selected (after a message) or the answer was empty.
std::optional<int> ChangeTeamName(std::vector<std::string>& entries, std::optional<int> selected,
                                  modBrackwell& model, Dialogs& dialogs);

// Confirms and removes the selected name; false when none is selected (after a message) or the
// user cancels.
bool DeleteTeamName(std::vector<std::string>& entries, std::optional<int> selected, modBrackwell& model,
                    Dialogs& dialogs);

// Keeps the table of names typed into the team boxes that the list does not know: one row per
// box, dropped again when the box is emptied or holds a known name.
void NoteTypedTeamName(std::vector<TypedTeamName>& table, int slot, const std::string& name,
                       const std::vector<std::string>& entries);

}  // namespace brackwell
