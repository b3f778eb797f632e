#pragma once
// The seven reports of the report window: the table that fixes their order and files, and the
// generators that write each one to the work file "TEMPPRT.TXT" of the application folder.

#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

namespace reports {
class RunPool;
}

// The seven reports in run order: index, check-box caption, key, output file, orientation.
struct ReportInfo {
    const char* caption;      // "Tournament Standings (RPTOPT1.TXT)"
    const char* key;          // "TournamentStandings"
    const char* outputFile;   // "RPTOPT1.TXT"
    Orientation orientation;
};
inline constexpr int kReportCount = 7;
const ReportInfo& ReportAt(int index);                  // 0..6
const ReportInfo* ReportByKey(const std::string& key);  // nullptr for a key not in the table
inline constexpr const char* kWorkFileName = "TEMPPRT.TXT";

// What a generator reads besides the files of the application folder.
struct ReportRequest {
    std::string reportTitle;                  // txtReportTitle
    std::vector<std::string> selectionFiles;  // the file list's entries ("*.BKS"), in its order
};

// How a generator ended. A skipped report has shown why and written nothing; it counts as a
// success, but there is no work file of it to print, copy or mail.
enum class ReportOutcome {
    Written,             // TEMPPRT.TXT holds the report
    Skipped,             // nothing written; the report's box is to be unticked
    SkippedStillTicked,  // nothing written; the box stays ticked
    Failed,              // its message shown; the box is to be unticked
};

// Runs report index 0..6 over what the run's earlier reports read and scored of the pool; the
// pool is made empty for each run. A scored report leaves the results in model.SelLines.
ReportOutcome RunReportGenerator(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request,
                                 reports::RunPool& pool);
// The same for a run of this one report.
ReportOutcome RunReportGenerator(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request);

// Writes TEMPPRT.TXT in the application folder for report index 0..6. False after its own
// message through dialogs (the window then unticks the report's box); true also for a report
// that skipped itself, which RunReportGenerator tells apart.
bool GenerateReport(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request);

// The output routine's file branch: deletes the key's RPTOPTn.TXT and copies TEMPPRT.TXT to it
// byte for byte. A key not in the table does nothing (true). On failure shows the message under
// "Brackwell - frmPoolReports, Write Output Routine" and returns false.
bool CopyWorkFileToReport(const modBrackwell& model, Dialogs& dialogs, const std::string& key);

}  // namespace brackwell
