#include <algorithm>
#include <array>
#include <vector>

#include "core/TextHelpers.h"

#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr double kWidth = 70;
constexpr std::size_t kNamesIndent = 25;
// A team's block starts a new page when it would run past this line.
constexpr int kPageLines = 58;
constexpr std::array<const char*, 7> kStages{"",           "Second Round", "Third Round", "Regional Final",
                                             "Final Four", "Final",        "Champion"};

// One stage: its name, how many picked the team to reach it, and who, wrapped under the names.
void AppendStage(std::vector<std::string>& block, int stage, const std::vector<std::string>& players) {
    // The count right-aligned in three columns, blank-filled, as the summary writes its counts.
    const std::string count = std::to_string(players.size());
    std::string line = "    " + Fit(kStages[static_cast<std::size_t>(stage)], 16) + Blanks(3 - static_cast<std::ptrdiff_t>(count.size())) + count + "  ";
    bool lineHasName = false;
    for (std::size_t i = 0; i < players.size(); ++i) {
        // Names hold a comma of their own ("Brennan, KJ"), so a semicolon parts them.
        const std::string name = players[i] + (i + 1 < players.size() ? ";" : "");
        if (lineHasName && line.size() + 1 + name.size() > static_cast<std::size_t>(kWidth)) {
            block.push_back(line);
            line = std::string(kNamesIndent, ' ');
            lineHasName = false;
        }
        line += (lineHasName ? " " : "") + name;
        lineHasName = true;
    }
    block.push_back(line);
}

void NewPage(ReportText& report, const std::string& title) {
    if (report.pageLines > 0) report.FormFeed();
    report.HeaderBlock(title, "Team Selection Detail", kWidth);
    report.pageLines = 4;
}

// A block is kept on one page when it fits on one; a longer one goes on under its team's name.
void WriteBlock(ReportText& report, const std::string& title, const std::vector<std::string>& block) {
    if (report.pageLines == 0 || (report.pageLines > 4 && report.pageLines + static_cast<int>(block.size()) > kPageLines))
        NewPage(report, title);
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (report.pageLines >= kPageLines) {
            NewPage(report, title);
            report.Line(block.front() + " (continued)");
            ++report.pageLines;
        }
        report.Line(block[i]);
        ++report.pageLines;
    }
}
}  // namespace

ReportOutcome TeamSelectionDetailReport(ReportRun& run) {
    const TeamPicks* picks = TeamSelSetup(run);
    if (picks == nullptr) return ReportOutcome::Skipped;

    // The picks come grouped by team in the work list's order; the teams are listed in plain
    // alphabetical order of their names ("Indiana" before "Indiana State"), each team's
    // participants as the work list orders them.
    struct TeamBlock {
        std::string_view team;
        std::array<std::vector<std::string>, 7> players;
    };
    std::vector<TeamBlock> teams;
    for (const TeamPicks::Pick& pick : picks->picks()) {
        if (picks->IsEndMarker(pick)) continue;
        const std::string_view team = picks->Team(pick);
        if (teams.empty() || teams.back().team != team) teams.push_back({team, {}});
        teams.back().players[static_cast<std::size_t>(pick.round)].push_back(picks->PlayerShown(pick));
    }
    std::stable_sort(teams.begin(), teams.end(),
                     [](const TeamBlock& a, const TeamBlock& b) { return CompareListOrder(a.team, b.team) < 0; });

    ReportText report;
    for (const TeamBlock& team : teams) {
        std::vector<std::string> block{"  " + std::string(team.team)};
        for (int stage = 1; stage <= 6; ++stage)
            if (!team.players[static_cast<std::size_t>(stage)].empty())
                AppendStage(block, stage, team.players[static_cast<std::size_t>(stage)]);
        block.push_back(" ");
        WriteBlock(report, run.request.reportTitle, block);
    }
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
