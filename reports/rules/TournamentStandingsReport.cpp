#include <algorithm>
#include <vector>

#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr const char* kTitle = "Brackwell - frmPoolReports, Tournament Standings";
constexpr int kPageLimit = 47;
}  // namespace

ReportOutcome TournamentStandingsReport(ReportRun& run) {
    run.workBox.Clear();
    if (!LoadScoredPool(run, kTitle, "\"Tournament Standings Report\" cannot be prepared.")) return ReportOutcome::Failed;

    const std::vector<ScoreRecord>& records = run.pool.Scores(run, run.model.SelLines);
    std::size_t w1 = 0, w2 = 0, w3 = 0;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const ScoreRecord& record = records[n];
        w1 = std::max(w1, record.PlayerName.size());
        w2 = std::max(w2, record.FileName.size());
        w3 = std::max(w3, record.Champion.size());
        run.workBox.Add(Padded3(record.Score) + ";" + record.PlayerName + ";" + record.FileName + ";" +
                            Padded3(record.MaxScore) + ";" + Padded3(record.Correct) + ";" + Padded3(record.Wrong) +
                            ";" + record.Champion + ";" + Padded3(record.TieBreak),
                        n);
    }
    const double width = static_cast<double>(w1 + w2 + w3 + 44);
    const auto n1 = static_cast<std::ptrdiff_t>(w1), n2 = static_cast<std::ptrdiff_t>(w2);
    const std::string h1 = "Points" + Blanks(n1 + n2 + 6) + "Poss. Good   Bad  Open    Tie";
    const std::string h2 = w1 <= 8 || w2 <= 7 ? std::string()
                                              : "Earned Player Name" + Blanks(n1 - 8) + "File Name" + Blanks(n2 - 7) +
                                                    "Score Picks Picks Picks Breaker Winner Picked";
    const std::string h3 = "------ " + Dashes(n1) + "   " + Dashes(n2) + "  ----- ----- ----- ----- ------- " +
                           Dashes(static_cast<std::ptrdiff_t>(w3));

    ReportText report;
    const auto& items = run.workBox.items();
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        const ScoreRecord& record = records[item->tag];
        if (report.pageLines == 0) {
            report.HeaderBlock(run.request.reportTitle, "Tournament Standings", width);
            report.Line(h1);
            report.Line(h2);
            report.Line(h3);
            report.pageLines = 7;
        }
        const int open = 63 - record.Correct - record.Wrong;
        report.Line(" " + Padded3(record.Score) + "   " + Fit(record.PlayerName, w1) + "   " + Fit(record.FileName, w2) +
                    "   " + Padded3(record.MaxScore) + "   " + Padded3(record.Correct) + "   " +
                    Padded3(record.Wrong) + "   " + Padded3(open) + "    " + Padded3(record.TieBreak) + "   " +
                    record.Champion);
        if (++report.pageLines > kPageLimit) {
            report.FormFeed();
            report.pageLines = 0;
        }
    }
    run.workBox.Clear();
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
