#include "core/SelectionFile.h"

#include "core/FileSystem.h"
#include "core/LineFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

bool ReadSelections(modBrackwell& model, Dialogs& dialogs, const std::string& path) {
    return ReadSelectionsInto(model.SelLines, dialogs, path);
}

bool ReadSelectionsInto(SelLinesArray& lines, Dialogs& dialogs, const std::string& path) {
    for (auto& line : lines) line.clear();
    const LineCountResult read = ReadLineFileInto(path, std::span(lines).subspan(1));
    if (read.ok() && lines[kSelectionEndLine] == kEndMarker) return true;
    dialogs.Message(std::string("There is a problem opening: ") + path + kCrLf + kCrLf +
                        " The program will attempt to continue ......",
                    "** ERROR IN OPENING FILE - ReadSelections Routine **");
    return false;
}

std::string SelectionsText(const SelLinesArray& lines) {
    std::string contents;
    contents.reserve(4096);
    // A line break inside an entry would shift every line after it.
    for (int i = 1; i <= kFinalPointsLine; ++i) AppendLine(contents, BlankLineBreaks(lines[i]));
    AppendLine(contents, kEndMarker);
    return contents;
}

bool WriteSelections(const modBrackwell& model, Dialogs& dialogs, const std::string& path) {
    if (ReplaceFile(path, SelectionsText(model.SelLines))) return true;
    dialogs.Message(std::string("There is a problem writing file: ") + path + kCrLf + " Check your selection and retry.",
                    "** ERROR IN WRITING FILE **");
    return false;
}

std::string SelectionFileName(const std::string& name, const std::string& initials) {
    return name + "_" + initials + ".BKS";
}

}  // namespace brackwell
