#pragma once
// The team-name list "NCAALIST.BKT": "*START*", one team name per line in list order, "*END*".
// The setup window offers these names while the field is typed, and saves the list on exit.
//
// The reader holds at most kMaxTeamNames names of at most kMaxTeamNameLength bytes each (a few
// megabytes at worst); a longer list, or a longer line, is treated as a damaged file. The
// writer leaves out what the reader would refuse, so a list it writes always reads back.

#include <cstddef>
#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kTeamListFileName = "NCAALIST.BKT";
inline constexpr std::size_t kMaxTeamNames = 32767;
inline constexpr std::size_t kMaxTeamNameLength = 255;
// Empty entries kept above the names read.
inline constexpr std::size_t kSpareTeamNameEntries = 19;

// Loads the list into TeamNameList: names at 1..n, then empty entries. True when the file was
// read; otherwise shows the reader's message, leaves only empty entries and returns false.
bool ReadTeamNames(modBrackwell& model, Dialogs& dialogs);

// Inserts name after every entry that sorts before it or equal to it, as the sorted list box
// does; returns its index.
std::size_t InsertInListOrder(std::vector<std::string>& entries, const std::string& name);

// A row of the setup window's table of names typed into the team boxes.
struct TypedTeamName {
    int slot = 0;
    std::string name;
};

// Run when the setup window closes. Only when TeamNamesChanged is set: asks whether to save;
// on Yes adds the typed names (rows up to the first empty name) to the list entries in sorted
// list-box order and writes the file, skipping an entry equal to the one just written.
// Returns the list entries as they are afterwards, for the window's list box. A failed write
// shows the write-error message and keeps the old file.
std::vector<std::string> WriteTeamNames(const modBrackwell& model, Dialogs& dialogs,
                                        std::vector<std::string> listEntries,
                                        const std::vector<TypedTeamName>& typedNames);

}  // namespace brackwell
