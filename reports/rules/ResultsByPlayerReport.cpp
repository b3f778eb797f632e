#include <algorithm>

#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr const char* kTitle = "Brackwell - frmPoolReports, Results by Player";
constexpr int kPageLimit = 54;

std::string FinalGameText(const ScoreRecord& record) {
    return (record.Champion.empty() ? std::string("NO SELECTION & over ") : record.Champion + " over ") +
           (record.RunnerUp.empty() ? std::string("NO SELECTION") : record.RunnerUp);
}
}  // namespace

ReportOutcome ResultsByPlayerReport(ReportRun& run) {
    if (!LoadScoredPool(run, kTitle, "\"Projected Results by Player\" report cannot be prepared.")) return ReportOutcome::Failed;
    run.workBox.Clear();
    const std::optional<FinalFour> finalFour = ChkFinalFour(run.model.SelLines, run.dialogs);
    if (!finalFour) return ReportOutcome::Skipped;
    const SelLinesArray results = run.model.SelLines;

    const ReportScorer scorer(run.model);
    std::size_t wf = 0, wt = 0, x = 0;
    for (const std::string& file : run.request.selectionFiles) {
        wf = std::max(wf, file.size());
        const ScoreRecord record = scorer.Score(run.model, run.dialogs, file);
        x = std::max(x, record.Champion.size() + record.RunnerUp.size() + 6);
    }
    for (int i = 1; i <= 4; ++i) wt = std::max(wt, finalFour->teams[static_cast<std::size_t>(i)].size());
    wf = std::max(wf, wt + 3);
    const double width = static_cast<double>(std::max(wf + x + 25, wf + wt + 30));
    const auto nf = static_cast<std::ptrdiff_t>(wf), nt = static_cast<std::ptrdiff_t>(wt);

    ReportText report;
    for (const std::string& file : run.request.selectionFiles) {
        if (report.pageLines == 0) {
            report.HeaderBlock(run.request.reportTitle, "Projected Results by Player", width);
            report.pageLines = 4;
        }
        run.model.SelLines = results;
        const ScoreRecord record = scorer.Score(run.model, run.dialogs, file);
        report.Line("  " + Fit(file, wf) + "Final Game Selection:  " + FinalGameText(record));
        // With Final Four names under 11 characters the gap would be negative: none is left.
        report.Line(Blanks(nf + 2) + "Current Points: " + Padded3(record.Score) + Blanks(nt - 11) +
                    "Maximum Points = " + Padded3(record.MaxScore));
        report.Line("   " + Dashes(nf + nt + 27));
        report.pageLines += 3;
        for (int i = 1; i <= 4; ++i) {
            const std::string team = Fit(finalFour->teams[static_cast<std::size_t>(i)], wt);
            bool kindOneWritten = false;
            for (int kind = 1; kind <= 2; ++kind) {
                const std::optional<SelLinesArray> scenario = ApplyScenario(results, *finalFour, i, kind);
                if (!scenario) continue;
                run.model.SelLines = *scenario;
                const ScoreRecord projected = scorer.Score(run.model, run.dialogs, file);
                report.Line("   " + (kindOneWritten ? Blanks(nt) : team) + "  winning over  " +
                            Fit(ScenarioOpponent(*scenario, i), wt) + "  Points = " + Padded3(projected.MaxScore));
                kindOneWritten = kind == 1;
                if (kind == 2) report.pageLines += 2;
            }
        }
        report.Line(" ");
        if (++report.pageLines > kPageLimit) {
            report.FormFeed();
            report.pageLines = 0;
        }
    }
    run.model.SelLines = results;
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
