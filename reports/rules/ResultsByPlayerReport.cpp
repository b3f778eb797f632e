#include <algorithm>
#include <array>
#include <vector>

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
    FinalFour finalFour;
    if (const auto ended = StartProjection(run, kTitle, "\"Projected Results by Player\" report cannot be prepared.", finalFour))
        return *ended;
    const SelLinesArray results = run.model.SelLines;

    const ReportScorer scorer(run.model);
    std::size_t wf = 0, wt = 0, x = 0;
    // Scored once against the results: the width pass and the lines read the same records.
    std::vector<ScoreRecord> records;
    const std::vector<PoolSelection> pool = ReadPoolSelections(run);
    for (const PoolSelection& selection : pool) {
        wf = std::max(wf, selection.fileName.size());
        records.push_back(scorer.Score(run.model, selection, results));
        x = std::max(x, records.back().Champion.size() + records.back().RunnerUp.size() + 6);
    }
    for (int i = 1; i <= 4; ++i) wt = std::max(wt, finalFour.teams[static_cast<std::size_t>(i)].size());
    wf = std::max(wf, wt + 3);
    const double width = static_cast<double>(std::max(wf + x + 25, wf + wt + 30));
    const auto nf = static_cast<std::ptrdiff_t>(wf), nt = static_cast<std::ptrdiff_t>(wt);

    // The finals that can still happen, the same for every participant.
    std::array<std::array<std::optional<SelLinesArray>, 2>, 5> scenarios;
    for (int i = 1; i <= 4; ++i)
        for (int kind = 1; kind <= 2; ++kind)
            scenarios[static_cast<std::size_t>(i)][kind - 1] = ApplyScenario(results, finalFour, i, kind);

    ReportText report;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const std::string& file = pool[n].fileName;
        const ScoreRecord& record = records[n];
        if (report.pageLines == 0) {
            report.HeaderBlock(run.request.reportTitle, "Projected Results by Player", width);
            report.pageLines = 4;
        }
        report.Line("  " + Fit(file, wf) + "Final Game Selection:  " + FinalGameText(record));
        // With Final Four names under 11 characters the gap would be negative: none is left.
        report.Line(Blanks(nf + 2) + "Current Points: " + Padded3(record.Score) + Blanks(nt - 11) +
                    "Maximum Points = " + Padded3(record.MaxScore));
        report.Line("   " + Dashes(nf + nt + 27));
        report.pageLines += 3;
        for (int i = 1; i <= 4; ++i) {
            const std::string team = Fit(finalFour.teams[static_cast<std::size_t>(i)], wt);
            bool kindOneWritten = false;
            for (int kind = 1; kind <= 2; ++kind) {
                const std::optional<SelLinesArray>& scenario = scenarios[static_cast<std::size_t>(i)][kind - 1];
                if (!scenario) continue;
                const ScoreRecord projected = scorer.Score(run.model, pool[n], *scenario);
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
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
