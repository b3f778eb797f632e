#pragma once
// Rosters as the editor's tests write and expect them on disk.

#include <string>
#include <vector>

#include "core/Model.h"
#include "core/RosterFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell::testing {

inline const RosterRecord kSmith{"Smith, TM", "Smith_TM.BKS", "tsmith@example.com", "555-0100"};
// Its file name in another case than the selection file's, as a roster typed by hand may have.
inline const RosterRecord kJones{"Jones, AB", "jones_ab.bks", "ab@example.com", "555-0199"};
inline const RosterRecord kLee{"Lee, K", "Lee_K.BKS", "", ""};

// The header and one record per entry, each line ended by CR LF.
inline std::string Roster(const std::vector<RosterRecord>& records) {
    std::string text = RosterHeaderLine() + "\r\n";
    for (const RosterRecord& record : records) text += RosterRecordLine(record) + "\r\n";
    return text;
}

// An application folder with its model and scripted dialogs, for the roster and mail tests.
struct RosterFolder {
    TempFolder folder;
    modBrackwell model{folder.path()};
    ScriptedDialogs dialogs;
};

}  // namespace brackwell::testing
