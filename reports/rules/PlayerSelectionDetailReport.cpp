#include <algorithm>
#include <array>

#include "core/Numeric.h"
#include "core/TextHelpers.h"
#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr const char* kTitle = "Brackwell - frmPoolReports, Player Selection Detail";
constexpr const char* kBoxRule =
    " +------------+  +------------+  +------------+  +------------+  +------------+  +------------+ ";

void AppendCell(std::string& row, const std::string& team) { AppendFit(row, team, 14); row.append("  "); }

// The positions of round k (1..6) in bracket order.
std::vector<int> RoundPositions(int round) {
    std::vector<int> positions;
    for (int position = 1; position <= kPositionCount; ++position)
        if (RoundOfPosition(position) == round) positions.push_back(position);
    return positions;
}

std::string FileStem(const std::string& file) {
    const std::string upper = UpperCase(file);
    const std::size_t at = upper.find(".BKS");
    return at == std::string::npos ? file : file.substr(0, at);
}

void WriteParticipant(ReportText& report, const std::string& title, const std::string& file,
                      const SelLinesArray& lines) {
    static const std::array<std::vector<int>, 7> kRounds{{{}, RoundPositions(1), RoundPositions(2), RoundPositions(3),
                                                          RoundPositions(4), RoundPositions(5), RoundPositions(6)}};
    for (int i = 0; i < 3; ++i) report.Line(" ");
    report.Line(Blanks(static_cast<std::ptrdiff_t>(HalfRoundedIndent(57.5, title.size()))) + title);
    report.Line(Blanks(46) + "Player Selection Detail");
    report.Line(" ");
    static const std::string kRuleLine = Blanks(20) + kBoxRule;
    report.Line(Blanks(20) + "       2nd             3rd           Region           Final           Tour            Tour      ");
    report.Line(Blanks(20) + "      Round           Round          Finals           Four           Finals         Champion    ");
    report.Line(kRuleLine);

    const long tieBreak = static_cast<long>(RoundHalfEven(NumericValue(lines[kFinalPointsLine])));
    const std::vector<int>& teams = kRounds[1];
    std::string row;
    for (std::size_t n = 0; n < teams.size(); ++n) {
        const std::string& team = lines[static_cast<std::size_t>(teams[n])];
        row.clear();
        if (n == 0)
            AppendFit(row, FileStem(file), 21);
        else if (n == 1)
            row.append("Tie Breaker = ").append(Padded3(tieBreak)).append("    ");
        else
            row.append(21, ' ');
        AppendCell(row, team);
        bool champion = false;
        for (int round = 2; round <= 6 && !team.empty(); ++round) {
            const std::vector<int>& positions = kRounds[static_cast<std::size_t>(round)];
            if (std::none_of(positions.begin(), positions.end(),
                             [&](int position) { return lines[static_cast<std::size_t>(position)] == team; }))
                continue;
            AppendCell(row, team);
            champion = round == 6;
        }
        if (!champion) row += " ";
        report.Line(row);
        if (n == 7 || n == 15 || n == 23) report.Line(kRuleLine);
    }
}
}  // namespace

ReportOutcome PlayerSelectionDetailReport(ReportRun& run) {
    run.workBox.Clear();
    if (run.request.selectionFiles.empty()) {
        run.dialogs.Message(NoSelectionFilesMessage("\"Player Selection Detail\" report cannot be prepared."), kTitle);
        return ReportOutcome::SkippedStillTicked;
    }
    const std::vector<PoolSelection>& pool = run.pool.Selections(run);
    for (std::size_t n = 0; n < pool.size(); ++n) run.workBox.Add(pool[n].fileName, n);

    ReportText report;
    bool first = true;
    for (const WorkBox::Item& item : run.workBox.items()) {
        if (!first) {
            report.Line(" ");
            report.FormFeed();
        }
        first = false;
        WriteParticipant(report, run.request.reportTitle, item.text, pool[item.tag].lines);
    }
    run.workBox.Clear();
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
