#include "core/FolderScoring.h"

#include "core/FileSystem.h"

namespace brackwell {

std::vector<std::string> SelectionFileNames(const std::string& folder) {
    return ListFilesWithExtension(folder, kSelectionExtension);
}

void ScoreSelectionFiles(modBrackwell& model, const BracketView& results, Dialogs& dialogs,
                         const std::vector<std::string>& names,
                         const std::function<void(std::size_t index, const ScoreRecord& record)>& each) {
    for (std::size_t i = 0; i < names.size(); ++i)
        each(i, ScoreSelection(model, results, dialogs, names[i], ScoringContext::Standings));
}

}  // namespace brackwell
