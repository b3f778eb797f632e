#include "core/WriteFailure.h"

#include "core/FileSystem.h"
#include "core/TextHelpers.h"

namespace brackwell {

bool ReplaceFileOrReport(Dialogs& dialogs, const std::string& path, std::string_view contents,
                         Durability durability) {
    if (ReplaceFile(path, contents, durability)) return true;
    ReportWriteFailure(dialogs, path);
    return false;
}

void ReportWriteFailure(Dialogs& dialogs, const std::string& path) {
    dialogs.Message(std::string("There is a problem writing file: ") + path + kCrLf +
                        " Check for adequate space in the Application Directory",
                    "** ERROR IN WRITING FILE **");
}

}  // namespace brackwell
