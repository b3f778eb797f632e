#include <array>
#include <cstdio>

#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr const char* kRule = "+------+------+------+------+-------+---------+";
constexpr int kPageLimit = 63;

std::string Count3(int count) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d", count);
    return text;
}

// A name longer than its column is cut, so the counts stay under their headings.
std::string SummaryRow(const std::string& team, const std::array<int, 7>& c) {
    return Fit(team, 29) + Count3(c[1]) + "    " + Count3(c[2]) + "    " + Count3(c[3]) + "    " + Count3(c[4]) +
           "     " + Count3(c[5]) + "      " + Count3(c[6]);
}
}  // namespace

ReportOutcome TeamSelectionSummaryReport(ReportRun& run) {
    const TeamPicks* picks = TeamSelSetup(run);
    if (picks == nullptr) return ReportOutcome::Skipped;

    ReportText report;
    report.pageLines = 1;
    std::string current;
    bool first = true;
    std::array<int, 7> counts{};
    const std::string& title = run.request.reportTitle;
    for (const TeamPicks::Pick& pick : picks->picks()) {
        const std::string_view team = picks->Team(pick);
        if (team != current || first) {
            if (report.pageLines == 1) {
                report.Line(" ");
                report.Line(Blanks(static_cast<std::ptrdiff_t>(HalfRoundedIndent(37, title.size()))) + title);
                report.Line(Blanks(26) + "Team Selection Summary");
                report.Line(" ");
                report.Line(Blanks(27) + "  2nd    3rd    4th   Region   Tour     Tour  ");
                report.Line(Blanks(27) + " Round  Round  Round  Finals  Finals  Champion");
                report.Line(Blanks(27) + kRule);
                report.pageLines = 8;
            }
            if (!first) {
                report.Line(SummaryRow(current, counts));
                report.Line(Blanks(27) + kRule);
                report.pageLines += 2;
                counts.fill(0);
            }
            if (report.pageLines > kPageLimit) {
                report.Line(" ");
                report.FormFeed();
                report.pageLines = 1;
            }
            current = team;
            first = false;
        }
        ++counts[static_cast<std::size_t>(pick.round)];
    }
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
