#include <algorithm>
#include <vector>

#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr const char* kTitle = "Brackwell - frmPoolReports, Results by Team";
constexpr int kPageLimit = 54;

struct Finish {
    const std::string* player;
    long points = 0;
    long tieBreak = 0;
};

struct Final {
    std::string champion;
    std::string opponent;
    std::vector<Finish> finishes;  // best first; equal points in the file list's order
};

// "1", "2", "T3", "T3", "5": equal points share the place of the first of them.
std::vector<std::string> Places(const std::vector<Finish>& finishes) {
    std::vector<std::string> places(finishes.size());
    for (std::size_t i = 0; i < finishes.size();) {
        std::size_t end = i;
        while (end < finishes.size() && finishes[end].points == finishes[i].points) ++end;
        const std::string place = (end - i > 1 ? "T" : "") + std::to_string(i + 1);
        for (; i < end; ++i) places[i] = place;
    }
    return places;
}
}  // namespace

ReportOutcome ResultsByTeamReport(ReportRun& run) {
    FinalFour finalFour;
    if (const auto ended = StartProjection(run, kTitle, "\"Projected Results by Team\" report cannot be prepared.", finalFour))
        return *ended;
    const SelLinesArray results = run.model.SelLines;

    std::vector<Final> finals;
    std::vector<SelLinesArray> scenarios;  // the results of each final
    std::size_t wf = 0, heading = 0;  // wf: the longest player's name
    for (int i = 1; i <= 4; ++i)
        for (int kind = 1; kind <= 2; ++kind) {
            std::optional<SelLinesArray> scenario = ApplyScenario(results, finalFour, i, kind);
            if (!scenario) continue;
            finals.push_back({finalFour.teams[static_cast<std::size_t>(i)], ScenarioOpponent(*scenario, i), {}});
            scenarios.push_back(std::move(*scenario));
        }
    // With no final left to happen no selection file is read, so none can show a message.
    for (std::size_t s = 0; s < finals.size(); ++s) {
        Final& final = finals[s];
        for (const ScoreRecord& record : run.pool.Scores(run, scenarios[s])) {
            final.finishes.push_back({&record.PlayerName, record.MaxScore, record.TieBreak});
            wf = std::max(wf, record.PlayerName.size());
        }
        std::stable_sort(final.finishes.begin(), final.finishes.end(),
                         [](const Finish& a, const Finish& b) { return a.points > b.points; });
        heading = std::max(heading, final.champion.size() + final.opponent.size() + 16);
    }
    const std::size_t width = std::max(wf + 43, heading);

    ReportText report;
    for (const Final& final : finals) {
        const std::string scenarioHeading = "  " + final.champion + " winning over " + final.opponent;
        // A final starts on a new page when not even its heading and first line fit.
        if (report.pageLines > 0 && report.pageLines + 3 > kPageLimit) {
            report.FormFeed();
            report.pageLines = 0;
        }
        const std::vector<std::string> places = Places(final.finishes);
        for (std::size_t n = 0; n < final.finishes.size(); ++n) {
            if (report.pageLines == 0) {
                report.HeaderBlock(run.request.reportTitle, "Projected Results by Team", static_cast<double>(width));
                report.pageLines = 4;
            }
            if (n == 0 || report.pageLines == 4) {
                report.Line(scenarioHeading + (n > 0 ? " (continued)" : ""));
                report.Line("  " + Dashes(static_cast<std::ptrdiff_t>(width) - 2));
                report.pageLines += 2;
            }
            const Finish& finish = final.finishes[n];
            report.Line("   " + Fit(places[n], 4) + Fit(*finish.player, wf) + "  Points = " + Padded3(finish.points) +
                        "   Tie Breaker = " + Padded3(finish.tieBreak));
            if (++report.pageLines > kPageLimit) {
                report.FormFeed();
                report.pageLines = 0;
            }
        }
        if (report.pageLines == 0) continue;
        report.Line(" ");
        if (++report.pageLines > kPageLimit) {
            report.FormFeed();
            report.pageLines = 0;
        }
    }
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
