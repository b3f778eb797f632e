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

    std::size_t wf = 0, wt = 0, x = 0;
    const std::vector<ScoreRecord>& records = run.pool.Scores(run, results);
    for (const ScoreRecord& record : records) {
        wf = std::max(wf, record.FileName.size());
        x = std::max(x, record.Champion.size() + record.RunnerUp.size() + 6);
    }
    for (int i = 1; i <= 4; ++i) wt = std::max(wt, finalFour.teams[static_cast<std::size_t>(i)].size());
    wf = std::max(wf, wt + 3);
    const double width = static_cast<double>(std::max(wf + x + 25, wf + wt + 30));
    const auto nf = static_cast<std::ptrdiff_t>(wf), nt = static_cast<std::ptrdiff_t>(wt);

    // The finals that can still happen, each with every participant scored against it.
    struct Projected {
        std::string opponent;
        const std::vector<ScoreRecord>* records = nullptr;
    };
    std::array<std::array<std::optional<Projected>, 2>, 5> scenarios;
    for (int i = 1; i <= 4; ++i)
        for (int kind = 1; kind <= 2; ++kind)
            if (const std::optional<SelLinesArray> scenario = ApplyScenario(results, finalFour, i, kind))
                scenarios[static_cast<std::size_t>(i)][kind - 1] =
                    Projected{ScenarioOpponent(*scenario, i), &run.pool.Scores(run, *scenario)};

    ReportText report;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const ScoreRecord& record = records[n];
        const std::string& file = record.FileName;
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
                const std::optional<Projected>& scenario = scenarios[static_cast<std::size_t>(i)][kind - 1];
                if (!scenario) continue;
                report.Line("   " + (kindOneWritten ? Blanks(nt) : team) + "  winning over  " +
                            Fit(scenario->opponent, wt) + "  Points = " + Padded3((*scenario->records)[n].MaxScore));
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
