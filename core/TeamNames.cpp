#include "core/TeamNames.h"

#include "core/LineFile.h"
#include "core/TextHelpers.h"
#include "core/WriteFailure.h"

namespace brackwell {

namespace {
bool Fail(modBrackwell& model, Dialogs& dialogs) {
    model.TeamNameList.assign(kSpareTeamNameEntries, std::string());
    dialogs.Message(std::string("Problem locating or Reading NCAALIST.BKT file") + kCrLf + kCrLf +
                    ModuleErrorTitle("ReadTeamNames"));
    return false;
}

// The reader stops the setup list at the first empty name and refuses an overlong line: such an
// entry would cost the names after it.
bool StorableTeamName(const std::string& name) { return !name.empty() && name.size() <= kMaxTeamNameLength; }

}  // namespace

std::size_t InsertInListOrder(std::vector<std::string>& entries, const std::string& name) {
    auto at = entries.begin();
    while (at != entries.end() && CompareListOrder(*at, name) <= 0) ++at;
    const auto inserted = entries.insert(at, name);
    return static_cast<std::size_t>(inserted - entries.begin());
}

bool ReadTeamNames(modBrackwell& model, Dialogs& dialogs) {
    LineReadResult read = ReadLineFile(model.AppFilePath(kTeamListFileName), kMaxTeamNames + 2, kMaxTeamNameLength);
    std::vector<std::string>& lines = read.lines;
    if (!read.ok() || lines.size() < 2 || lines.front().compare(0, 7, kStartMarker) != 0 ||
        lines.back() != kEndMarker)
        return Fail(model, dialogs);
    const std::size_t n = lines.size();
    model.TeamNameList.assign(n + kSpareTeamNameEntries, std::string());
    for (std::size_t i = 1; i + 1 < n; ++i) model.TeamNameList[i] = std::move(lines[i]);
    return true;
}

std::vector<std::string> WriteTeamNames(const modBrackwell& model, Dialogs& dialogs,
                                        std::vector<std::string> listEntries,
                                        const std::vector<TypedTeamName>& typedNames) {
    if (!model.TeamNamesChanged) return listEntries;
    const std::string question = std::string("You have added or changed the Team Names ...") + kCrLf +
                                 "Do you want to save these changes made to" + kCrLf + "the list of team names?";
    if (dialogs.MessageBox(question, MsgButtons::YesNo, MsgIcon::None, "TEAM NAMES Changed / Added") != MsgAnswer::Yes)
        return listEntries;
    for (const TypedTeamName& row : typedNames) {
        if (row.name.empty()) break;
        InsertInListOrder(listEntries, row.name);
    }
    std::string contents;
    AppendLine(contents, kStartMarker);
    std::string previous;
    std::size_t written = 0;
    for (const std::string& listEntry : listEntries) {
        if (written == kMaxTeamNames) break;
        // A line break inside a name would split it into two entries of the list.
        std::string entry = BlankLineBreaks(listEntry);
        if ((written > 0 && entry == previous) || !StorableTeamName(entry)) continue;
        AppendLine(contents, entry);
        previous = std::move(entry);
        ++written;
    }
    AppendLine(contents, kEndMarker);
    ReplaceFileOrReport(dialogs, model.AppFilePath(kTeamListFileName), contents);
    return listEntries;
}

}  // namespace brackwell
