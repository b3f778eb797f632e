#pragma once
// Scoring every selection file of a folder against the results a bracket shows: the one path
// behind the standings window and the command line's standings.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/BracketView.h"
#include "core/Dialogs.h"
#include "core/Model.h"
#include "core/Scoring.h"

namespace brackwell {

inline constexpr const char* kSelectionExtension = ".BKS";

// The selection files ("*.BKS", any case) of a folder, in the order a file list shows them. Names
// are matched without regard to case, so of names that differ only in case ("LOWER.BKS",
// "lower.bks") one entrant is taken: the one listed first, which is also the one that opening
// either name resolves to when the exact one is not given.
struct SelectionFileListing {
    struct Twin {
        std::string name;   // left out
        std::string taken;  // the name taken in its place
    };
    std::vector<std::string> names;  // the entrants, in list order
    std::vector<Twin> twins;         // in list order
};
SelectionFileListing ListSelectionFiles(const std::string& folder);

// The entrants of ListSelectionFiles: the files the standings, the reports and the outlook score.
std::vector<std::string> SelectionFileNames(const std::string& folder);

// The folder's start field read into the model and its results file shown on results, as the
// bracket window shows them to the standings after "Enter Game Results"; false, after the
// scoring's message, when the folder has no results file.
bool ShowFolderResults(modBrackwell& model, PlainBracketView& results, Dialogs& dialogs);

// Scores each file named (in the model's application folder) in the standings context, handing
// over the records in order, each with its index, as they are made.
void ScoreSelectionFiles(modBrackwell& model, const BracketView& results, Dialogs& dialogs,
                         const std::vector<std::string>& names,
                         const std::function<void(std::size_t index, const ScoreRecord& record)>& each);

}  // namespace brackwell
