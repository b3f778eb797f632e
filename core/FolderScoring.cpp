#include "core/FolderScoring.h"

#include "core/FileSystem.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

SelectionFileListing ListSelectionFiles(const std::string& folder) {
    SelectionFileListing listing;
    // The list order sorts names equal without regard to case next to each other, lowest byte
    // order first.
    for (std::string& name : ListFilesWithExtension(folder, kSelectionExtension)) {
        if (!listing.names.empty() && EqualsIgnoreCase(listing.names.back(), name))
            listing.twins.push_back({std::move(name), listing.names.back()});
        else
            listing.names.push_back(std::move(name));
    }
    return listing;
}

std::vector<std::string> SelectionFileNames(const std::string& folder) { return ListSelectionFiles(folder).names; }

bool ShowFolderResults(modBrackwell& model, PlainBracketView& results, Dialogs& dialogs) {
    ReadStartFile(model, dialogs);
    const std::string resultsPath = model.AppFilePath(kResultsFileName);
    if (!FileExists(resultsPath)) {
        ReportMissingResultsFile(dialogs);
        return false;
    }
    ReadSelections(model, dialogs, resultsPath);
    ShowStartingField(model, results);
    SelectionToWindow(model, results);
    return true;
}

void ScoreSelectionFiles(modBrackwell& model, const BracketView& results, Dialogs& dialogs,
                         const std::vector<std::string>& names,
                         const std::function<void(std::size_t index, const ScoreRecord& record)>& each) {
    for (std::size_t i = 0; i < names.size(); ++i)
        each(i, ScoreSelection(model, results, dialogs, names[i], ScoringContext::Standings));
}

}  // namespace brackwell
