#pragma once
// How the roster editor names a participant's selection file: the file-name field upper-cased
// and cut after its "BKS" extension, so the padding and any case of the name compare equal.

#include <string>
#include <string_view>

#include "core/Model.h"

namespace brackwell {

// The field upper-cased and cut after its last "BKS"; a field without one loses its trailing
// blanks instead.
std::string RosterFileKey(std::string_view fileNameField);

// The selection file a roster file-name field names in the application folder; empty when the
// field names none there (empty, or a path that leads elsewhere), so such a record never lets
// the editor delete a file outside the folder.
std::string RosterSelectionPath(const modBrackwell& model, std::string_view fileNameField);

// The name under which the save command's path is looked up in the roster: the part after the
// application folder, upper-cased (the plain file name for a path outside the folder).
std::string HandOverFileName(const modBrackwell& model, const std::string& selectionPath);

}  // namespace brackwell
