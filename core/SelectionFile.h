#pragma once
// Selection files (name_initials.BKS) and the results file BRACKWELL.BKT: 131 lines, the
// team at each bracket position 1..127, initials, name, final-game total, "*END*".

#include <string>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kResultsFileName = "BRACKWELL.BKT";

// Loads path into SelLines. On any fault (missing, unreadable, too many lines, no "*END*" at
// line 131) shows the reader's message and keeps what was read; returns false then.
bool ReadSelections(modBrackwell& model, Dialogs& dialogs, const std::string& path);
// The same into other lines than the model's (the scorer's side read from a file).
bool ReadSelectionsInto(SelLinesArray& lines, Dialogs& dialogs, const std::string& path);

// Writes SelLines 1..130 and "*END*" to path, a CR or LF inside an entry as a blank; on failure
// shows the writer's message, keeps the old file and returns false.
bool WriteSelections(const modBrackwell& model, Dialogs& dialogs, const std::string& path);

// The file's bytes as WriteSelections writes them: lines 1..130 and "*END*", each ending in CR LF.
std::string SelectionsText(const SelLinesArray& lines);

// The name of a new selection file: name + "_" + initials + ".BKS".
std::string SelectionFileName(const std::string& name, const std::string& initials);

}  // namespace brackwell
