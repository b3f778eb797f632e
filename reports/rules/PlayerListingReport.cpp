#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "core/FileSystem.h"
#include "core/LineFile.h"
#include "core/RosterFile.h"
#include "reports/rules/Generators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell::reports {

namespace {
constexpr const char* kTitle = "BRACKWELL - frmPoolReports, Player Listing";
constexpr int kPageLimit = 47;

struct Column {
    std::size_t start;  // 0-based
    std::size_t length;
};
constexpr std::array<Column, 4> kColumns{{{1, 25}, {29, 33}, {65, 43}, {111, 14}}};

std::string_view Field(std::string_view line, const Column& column) {
    return column.start < line.size() ? line.substr(column.start, column.length) : std::string_view();
}

std::size_t UsedLength(std::string_view field) {
    const std::size_t last = field.find_last_not_of(' ');
    return last == std::string_view::npos ? 0 : last + 1;
}

// No entry of the roster's name at all (in any case): the roster check's message about its error
// copy would be wrong then.
bool RosterMissing(const modBrackwell& model) {
    struct stat info{};
    return lstat(ResolveExistingName(model.AppFilePath(kRosterFileName)).c_str(), &info) != 0 && errno == ENOENT;
}
}  // namespace

ReportOutcome PlayerListingReport(ReportRun& run) {
    if (RosterMissing(run.model)) {
        ReportTrappedError(run.dialogs, kTitle,
                           std::string("The file ") + kRosterFileName +
                               " is missing, so the\r\n\"Player Listing\" report cannot be prepared.");
        return ReportOutcome::Failed;
    }
    if (!ValidateRosterFile(run.model, run.dialogs)) {
        ReportTrappedError(run.dialogs, kTitle,
                           "Problems found with PLAYERNAMES.CSV file\r\nThis condition must be corrected, See Help content");
        return ReportOutcome::Failed;
    }
    run.workBox.Clear();
    const LineReadResult roster =
        ReadLineFile(run.model.AppFilePath(kRosterFileName), kMaxRosterLines, kMaxRosterLineLength);
    if (!roster.ok()) {
        ReportTrappedError(run.dialogs, kTitle, std::string(kRosterFileName) + " could not be read");
        return ReportOutcome::Failed;
    }

    std::array<std::size_t, 4> widths{};
    for (std::size_t i = 1; i < roster.lines.size(); ++i)
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            widths[c] = std::max(widths[c], UsedLength(Field(roster.lines[i], kColumns[c])));
    const std::size_t width = widths[0] + widths[1] + widths[2] + widths[3] + 12;
    const std::string& title = run.request.reportTitle;
    constexpr std::string_view kName = "Player Listing";

    ReportText report;
    std::string headingLine;
    std::string ruleLine;
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        ruleLine += (c ? "    " : "") + Dashes(static_cast<std::ptrdiff_t>(widths[c]));
    bool first = true;
    for (const std::string& line : roster.lines) {
        if (report.pageLines == 0) {
            report.Line(" ");
            report.Line(Blanks(static_cast<std::ptrdiff_t>(HalfRoundedIndent(width / 2.0, title.size()))) + title);
            report.Line(Blanks(static_cast<std::ptrdiff_t>(CentringIndent(static_cast<double>(width), kName.size()))) +
                        std::string(kName));
            report.Line(" ");
            report.pageLines = 4;
        }
        std::string joined;
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            joined += (c ? "    " : "") + Fit(Field(line, kColumns[c]), widths[c]);
        if (first) headingLine = joined;
        if (report.pageLines == 4) {
            report.Line(headingLine);
            report.Line(ruleLine);
            report.pageLines = 6;
        }
        if (!first) {
            report.Line(joined);
            ++report.pageLines;
        }
        if (report.pageLines > kPageLimit) {
            report.FormFeed();
            report.pageLines = 0;
        }
        first = false;
    }
    run.workBox.Clear();
    return WriteWorkFile(run.model, run.dialogs, report) ? ReportOutcome::Written : ReportOutcome::Failed;
}

}  // namespace brackwell::reports
