#pragma once
// The demo pool copied into a fresh folder, with the model and request a report run reads.

#include <filesystem>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "reports/rules/ReportGenerators.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell::testing {

struct ReportPool {
    TempFolder folder;
    ScriptedDialogs dialogs;
    modBrackwell model{folder.path()};

    explicit ReportPool(bool demo = true) {
        if (demo)
            for (const auto& entry : std::filesystem::directory_iterator(BRACKWELL_SOURCE_DIR "/data/demo"))
                std::filesystem::copy_file(entry.path(), folder.File(entry.path().filename().string()));
        ReadStartFile(model, dialogs);
    }
    ReportRequest Request() const {
        return {model.TournamentTitle, ListFilesWithExtension(folder.path(), ".BKS")};
    }
    ReportOutcome Run(const char* key) {
        const ReportInfo* info = ReportByKey(key);
        for (int index = 0; index < kReportCount; ++index)
            if (&ReportAt(index) == info) return RunReportGenerator(index, model, dialogs, Request());
        ADD_FAILURE() << "no report " << key;
        return ReportOutcome::Failed;
    }
    std::string WorkFile() const { return folder.Read(kWorkFileName); }
    // The results with the positions given emptied.
    void ClearResults(const std::vector<int>& positions) {
        ScriptedDialogs quiet;
        SelLinesArray lines{};
        ReadSelectionsInto(lines, quiet, folder.File(kResultsFileName));
        for (const int position : positions) lines[static_cast<std::size_t>(position)].clear();
        folder.Write(kResultsFileName, SelectionFileBytes(lines));
    }
};

// The golden work file of a case in the test data folder.
inline std::string Golden(const std::string& name) { return ReadBytes(std::string(BRACKWELL_TEST_DATA "/") + name); }

}  // namespace brackwell::testing
