#include "reports/rules/ReportPool.h"

#include "core/FileSystem.h"
#include "core/SelectionFile.h"

namespace brackwell::reports {

namespace {
constexpr int kSemiFinalA = 125;
constexpr int kSemiFinalB = 126;
constexpr int kChampion = 127;
constexpr std::array<int, 4> kRegionWinners{31, 62, 93, 124};
}  // namespace

std::string NoSelectionFilesMessage(const std::string& what) {
    return "There aren't any Player Selection files saved,  so the\r\n" + what;
}

bool LoadScoredPool(ReportRun& run, const char* title, const std::string& what) {
    if (run.request.selectionFiles.empty()) {
        ReportTrappedError(run.dialogs, title, NoSelectionFilesMessage(what));
        return false;
    }
    const std::string results = run.model.AppFilePath(kResultsFileName);
    if (!FileExists(results)) {
        ReportTrappedError(run.dialogs, title, kNoResultsMessage);
        return false;
    }
    run.model.SelLines = run.pool.Results(run);
    return true;
}

const TeamPicks* TeamSelSetup(ReportRun& run) {
    if (run.request.selectionFiles.empty()) {
        run.dialogs.Message(NoSelectionFilesMessage("Team Selection Reports cannot be prepared."),
                            "Brackwell - TeamSelSetup", MsgIcon::Critical);
        return nullptr;
    }
    return &run.pool.Picks(run);
}

std::optional<ReportOutcome> StartProjection(ReportRun& run, const char* title, const std::string& what,
                                             FinalFour& finalFour) {
    if (!LoadScoredPool(run, title, what)) return ReportOutcome::Failed;
    run.workBox.Clear();
    const std::optional<FinalFour> found = ChkFinalFour(run.model.SelLines, run.dialogs);
    if (!found) return ReportOutcome::Skipped;
    finalFour = *found;
    return std::nullopt;
}

std::optional<FinalFour> ChkFinalFour(const SelLinesArray& results, Dialogs& dialogs) {
    static const char* const kTitle = "Brackwell - frmPoolReports, ChkFinalFour";
    FinalFour finalFour;
    for (const int position : kRegionWinners) {
        if (results[position].empty()) {
            dialogs.Message(
                "You will need to enter the four teams that have\r\nprogressed to the Final Four before this option\r\n"
                "can be selected.\r\n\r\nPlease correct and re-select this option.",
                kTitle);
            return std::nullopt;
        }
        finalFour.teams[static_cast<std::size_t>(++finalFour.count)] = results[position];
    }
    if (!results[kChampion].empty()) {
        dialogs.Message("You have already scored the tournament winner, so\r\na projection isn't meaningful", kTitle);
        return std::nullopt;
    }
    return finalFour;
}

std::optional<SelLinesArray> ApplyScenario(const SelLinesArray& results, const FinalFour& finalFour, int index,
                                           int kind) {
    const std::string& team = finalFour.teams[static_cast<std::size_t>(index)];
    const bool inA = index <= 2;
    const int own = inA ? kSemiFinalA : kSemiFinalB;
    const int other = inA ? kSemiFinalB : kSemiFinalA;
    SelLinesArray scenario = results;
    if (!scenario[own].empty() && scenario[own] != team) return std::nullopt;
    scenario[own] = team;
    scenario[kChampion] = team;
    if (kind == 0) return scenario;
    const std::size_t opponentIndex = (inA ? 3 : 1) + (kind == 2 ? 1 : 0);
    const std::string& opponent = finalFour.teams[opponentIndex];
    if (!scenario[other].empty() && scenario[other] != opponent) return std::nullopt;
    scenario[other] = opponent;
    return scenario;
}

std::string ScenarioOpponent(const SelLinesArray& scenario, int index) {
    return scenario[index <= 2 ? kSemiFinalB : kSemiFinalA];
}

}  // namespace brackwell::reports
