#include <array>
#include <exception>
#include <filesystem>
#include <fstream>

#include "core/FileSystem.h"
#include "core/WriteFailure.h"
#include "reports/rules/Generators.h"

namespace brackwell {

namespace {
using Generator = ReportOutcome (*)(reports::ReportRun&);

struct ReportEntry {
    ReportInfo info;
    Generator generator;
    const char* errorTitle;  // the title of a trapped error's message
};

constexpr std::array<ReportEntry, kReportCount> kReports{{
    {{"Tournament Standings (RPTOPT1.TXT)", "TournamentStandings", "RPTOPT1.TXT", Orientation::Landscape},
     reports::TournamentStandingsReport, "Brackwell - frmPoolReports, Tournament Standings"},
    {{"Player Listing (RPTOPT2.TXT)", "PlayerListing", "RPTOPT2.TXT", Orientation::Landscape},
     reports::PlayerListingReport, "BRACKWELL - frmPoolReports, Player Listing"},
    {{"Team Selection Summary (RPTOPT3.TXT)", "TeamSelectionSummary", "RPTOPT3.TXT", Orientation::Portrait},
     reports::TeamSelectionSummaryReport, "Brackwell - frmPoolReports Team Selection Summary"},
    {{"Team Selection Detail (RPTOPT4.TXT)", "TeamSelectionDetail", "RPTOPT4.TXT", Orientation::Portrait},
     reports::TeamSelectionDetailReport, "Brackwell - frmPoolReports, Team Selection Detail"},
    {{"Player Selection Detail (RPTOPT5.TXT)", "PlayerSelectionDetail", "RPTOPT5.TXT", Orientation::Landscape},
     reports::PlayerSelectionDetailReport, "Brackwell - frmPoolReports, Player Selection Detail"},
    {{"Projected Results by Player (RPTOPT6.TXT)", "ResultsByPlayer", "RPTOPT6.TXT", Orientation::Portrait},
     reports::ResultsByPlayerReport, "Brackwell - frmPoolReports, Results by Player"},
    {{"Projected Results by Team (RPTOPT7.TXT)", "ResultsByTeam", "RPTOPT7.TXT", Orientation::Portrait},
     reports::ResultsByTeamReport, "Brackwell - frmPoolReports, Results by Team"},
}};
}  // namespace

const ReportInfo& ReportAt(int index) { return kReports.at(static_cast<std::size_t>(index)).info; }

const ReportInfo* ReportByKey(const std::string& key) {
    for (const ReportEntry& entry : kReports)
        if (key == entry.info.key) return &entry.info;
    return nullptr;
}

ReportOutcome RunReportGenerator(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request,
                                 reports::RunPool& pool) {
    const ReportEntry& entry = kReports.at(static_cast<std::size_t>(index));
    reports::WorkBox workBox;
    reports::ReportRun run{model, dialogs, request, workBox, pool};
    try {
        return entry.generator(run);
    } catch (const std::exception& error) {
        ReportTrappedError(dialogs, entry.errorTitle, error.what());
    } catch (...) {
        ReportTrappedError(dialogs, entry.errorTitle, "");
    }
    return ReportOutcome::Failed;
}

ReportOutcome RunReportGenerator(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request) {
    reports::RunPool pool;
    return RunReportGenerator(index, model, dialogs, request, pool);
}

bool GenerateReport(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request) {
    return RunReportGenerator(index, model, dialogs, request) != ReportOutcome::Failed;
}

bool CopyWorkFileToReport(const modBrackwell& model, Dialogs& dialogs, const std::string& key) {
    static const char* const kTitle = "Brackwell - frmPoolReports, Write Output Routine";
    const ReportInfo* report = ReportByKey(key);
    if (!report) return true;
    std::ifstream in(ResolveExistingName(model.AppFilePath(kWorkFileName)), std::ios::binary);
    if (!in) {
        ReportTrappedError(dialogs, kTitle, std::string("The report work file ") + kWorkFileName + " could not be read");
        return false;
    }
    std::string contents;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        contents.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        ReportTrappedError(dialogs, kTitle, std::string("The report work file ") + kWorkFileName + " could not be read");
        return false;
    }
    const std::string target = model.AppFilePath(report->outputFile);
    // A file under the report's own name is replaced in place; one whose name differs only in
    // case goes first, so that the report is found under its own name afterwards.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(target, error))) DeleteFileIfPresent(target);
    return ReplaceFileOrReport(dialogs, target, contents);
}

}  // namespace brackwell
