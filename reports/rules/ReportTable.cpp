#include <array>

#include "reports/rules/ReportGenerators.h"

namespace brackwell {

namespace {

constexpr std::array<ReportInfo, kReportCount> kReports{{
    {"Tournament Standings (RPTOPT1.TXT)", "TournamentStandings", "RPTOPT1.TXT", Orientation::Landscape},
    {"Player Listing (RPTOPT2.TXT)", "PlayerListing", "RPTOPT2.TXT", Orientation::Landscape},
    {"Team Selection Summary (RPTOPT3.TXT)", "TeamSelectionSummary", "RPTOPT3.TXT", Orientation::Portrait},
    {"Team Selection Detail (RPTOPT4.TXT)", "TeamSelectionDetail", "RPTOPT4.TXT", Orientation::Portrait},
    {"Player Selection Detail (RPTOPT5.TXT)", "PlayerSelectionDetail", "RPTOPT5.TXT", Orientation::Landscape},
    {"Projected Results by Player (RPTOPT6.TXT)", "ResultsByPlayer", "RPTOPT6.TXT", Orientation::Portrait},
    {"Projected Results by Team (RPTOPT7.TXT)", "ResultsByTeam", "RPTOPT7.TXT", Orientation::Portrait},
}};

}  // namespace

const ReportInfo& ReportAt(int index) { return kReports.at(static_cast<std::size_t>(index)); }

const ReportInfo* ReportByKey(const std::string& key) {
    for (const ReportInfo& report : kReports)
        if (key == report.key) return &report;
    return nullptr;
}

}  // namespace brackwell
