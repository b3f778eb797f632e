#pragma once
// Replacing a data file of the application folder, with the one message every such write
// shows when the disk or the folder refuses it.

#include <string>
#include <string_view>

#include "core/Dialogs.h"
#include "core/FileSystem.h"

namespace brackwell {

// Writes contents to path atomically (the old file stays whole on failure). On failure shows
// "** ERROR IN WRITING FILE **" naming path and returns false.
bool ReplaceFileOrReport(Dialogs& dialogs, const std::string& path, std::string_view contents,
                         Durability durability = Durability::Synced);
// The message alone, for a write that failed otherwise.
void ReportWriteFailure(Dialogs& dialogs, const std::string& path);

}  // namespace brackwell
