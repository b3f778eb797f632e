#include "cli/CheckCommand.h"

#include <sys/stat.h>

#include <optional>

#include "cli/CommandLine.h"
#include "cli/FolderCommand.h"
#include "cli/DefaultAppFolder.h"
#include "core/OutputText.h"
#include "core/FileSystem.h"
#include "core/FolderScoring.h"
#include "core/Model.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "core/TeamNames.h"
#include "core/UnattendedDialogs.h"

namespace brackwell::cli {

namespace {
// Keeps the text of every message box a check shows.
class CollectingDialogs final : public UnattendedDialogs {
public:
    const std::vector<std::string>& texts() const { return texts_; }

private:
    void Show(const std::string&, const std::string& text) override { texts_.push_back(text); }

    std::vector<std::string> texts_;
};

struct Verdict {
    std::string text;
    bool well = true;
};

Verdict FromMessages(const CollectingDialogs& dialogs) {
    if (dialogs.texts().empty()) return {"OK", true};
    std::string joined;
    for (const std::string& text : dialogs.texts()) {
        if (!joined.empty()) joined += "; ";
        joined += text;
    }
    return {joined, false};
}

// Present under any case of its name, whatever kind of entry it is.
bool Present(const std::string& path) {
    struct stat info{};
    return lstat(ResolveExistingName(path).c_str(), &info) == 0;
}

Verdict CheckStartFile(modBrackwell& model) {
    CollectingDialogs dialogs;
    std::string pointsReplaced;
    switch (ReadStartFileOutcome(model, dialogs, &pointsReplaced)) {
        case StartFileRead::Loaded: return {"OK", true};
        case StartFileRead::BadPoints:
            return {"points per round must be " + std::to_string(kLowestRoundPoints) + " to " +
                        std::to_string(kHighestRoundPoints) + ", not " + pointsReplaced + ": " +
                        dialogs.texts().front() + " (the default points of those rounds)",
                    false};
        case StartFileRead::Missing: return {"not present: the default field is used", true};
        // The program says nothing here; the check does, since the field is lost.
        case StartFileRead::Unreadable: return {"cannot be read: the default field is used", false};
        case StartFileRead::Malformed: break;
    }
    return FromMessages(dialogs);
}

Verdict CheckTeamList(modBrackwell& model) {
    CollectingDialogs dialogs;
    ReadTeamNames(model, dialogs);
    return FromMessages(dialogs);
}

Verdict CheckRoster(const modBrackwell& model) {
    if (!Present(model.AppFilePath(kRosterFileName)))
        return {"not present: the program makes one holding the header alone", true};
    CollectingDialogs dialogs;
    ValidateRosterFile(model, dialogs);
    return FromMessages(dialogs);
}

Verdict CheckSelection(modBrackwell& model, const std::string& name) {
    CollectingDialogs dialogs;
    ReadSelections(model, dialogs, model.AppFilePath(name));
    return FromMessages(dialogs);
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, std::optional<std::string>& folder,
                                        bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--folder" && i + 1 < args.size() && !args[i + 1].empty()) {
            folder = args[++i];
        } else if (arg.rfind("--folder=", 0) == 0 && arg.size() > 9) {
            folder = arg.substr(9);
        } else if (arg == "--folder" || arg == "--folder=") {
            return std::string("--folder needs a folder");
        } else {
            return "unexpected argument \"" + arg + "\"";
        }
    }
    return std::nullopt;
}
}  // namespace

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> folderOption;
    bool help = false;
    const std::optional<std::string> complaint = ParseOptions(args, folderOption, help);
    std::string folder;
    if (const auto ended = StartFolderCommand("check", complaint, help, folderOption, folder, out, err)) return *ended;

    modBrackwell model(folder);
    std::string report;
    bool allWell = true;
    auto add = [&](const std::string& name, const Verdict& verdict) {
        report += OutputField(name) + ": " + OutputField(verdict.text) + "\n";
        allWell = allWell && verdict.well;
    };
    add(kStartFileName, CheckStartFile(model));
    add(kTeamListFileName, CheckTeamList(model));
    add(kRosterFileName, CheckRoster(model));
    if (Present(model.AppFilePath(kResultsFileName))) add(kResultsFileName, CheckSelection(model, kResultsFileName));
    else add(kResultsFileName, {"not present: no results entered yet", true});
    const SelectionFileListing selections = ListSelectionFiles(folder);
    auto twin = selections.twins.begin();
    for (const std::string& name : selections.names) {
        add(name, CheckSelection(model, name));
        for (; twin != selections.twins.end() && twin->taken == name; ++twin)
            add(twin->name, {"a duplicate of " + name + " (names are matched without regard to case): left out, " +
                                 name + " is scored",
                             false});
    }

    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    if (!out.flush()) {
        err << kProgramName << " check: the report could not be written to standard output\n";
        return kExitFailure;
    }
    return allWell ? kExitOk : kExitFailure;
}

}  // namespace brackwell::cli
