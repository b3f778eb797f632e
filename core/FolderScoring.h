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

// The selection files ("*.BKS", any case) of the folder, in the order a file list shows them.
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
