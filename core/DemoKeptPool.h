#pragma once
// The organiser's own pool while demo mode runs: the files the demo set would replace, or would
// mix with its sample participants, are moved into a folder of their own in the application
// folder when the demo starts and moved back when it is reset, so no demo ever costs the
// organiser the field, the results, the roster or an entry.

#include <string_view>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

// The kept pool, under the files' own names.
inline constexpr const char* kKeptPoolFolder = "DEMOKEPT";
// The kept pool while it is being moved; renamed to kKeptPoolFolder once every file is in it,
// so that a kept pool is always whole.
inline constexpr const char* kKeepingPoolFolder = "DEMOKEPT.NEW";

// The start field, the results, the roster, the pick program and form, the outlook's prizes and
// every selection file (any case of the names).
bool IsOrganisersPoolFile(std::string_view name);

// Moves the organiser's pool files into kKeptPoolFolder. A kept pool already there (left by a
// demo that never got reset) is the organiser's and stays as it is: nothing is moved then. A
// keeping cut short earlier is carried on. False, after a message and with every file back in
// its place, when a file cannot be moved: the demo must not start then.
bool KeepOrganisersPool(const modBrackwell& model, Dialogs& dialogs);

// Moves the kept files back and removes the emptied folder. A file whose name (any case) is
// taken in the application folder stays kept; a message names those.
void PutBackOrganisersPool(const modBrackwell& model, Dialogs& dialogs);

}  // namespace brackwell
