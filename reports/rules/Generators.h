#pragma once
// One generator per report, each in the file named for its report. A generator shows its own
// messages; the dispatcher traps what escapes it.

#include "reports/rules/ReportGenerators.h"
#include "reports/rules/ReportPool.h"

namespace brackwell::reports {

ReportOutcome TournamentStandingsReport(ReportRun& run);
ReportOutcome PlayerListingReport(ReportRun& run);
ReportOutcome TeamSelectionSummaryReport(ReportRun& run);
ReportOutcome TeamSelectionDetailReport(ReportRun& run);
ReportOutcome PlayerSelectionDetailReport(ReportRun& run);
ReportOutcome ResultsByPlayerReport(ReportRun& run);
ReportOutcome ResultsByTeamReport(ReportRun& run);

}  // namespace brackwell::reports
