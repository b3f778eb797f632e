#pragma once
// The seven reports and their generators. Each generator writes the work file "TEMPPRT.TXT";
// the output routine (ReportOutput.h) then prints it or copies it to the report's own file.

#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

// The seven reports in run order: index, check-box caption, key, output file, orientation.
struct ReportInfo {
    const char* caption;      // "Tournament Standings (RPTOPT1.TXT)"
    const char* key;          // "TournamentStandings"
    const char* outputFile;   // "RPTOPT1.TXT"
    Orientation orientation;  // core/Dialogs.h
};
inline constexpr int kReportCount = 7;
const ReportInfo& ReportAt(int index);           // 0..6
const ReportInfo* ReportByKey(const std::string& key);  // nullptr for a key not in the table
inline constexpr const char* kWorkFileName = "TEMPPRT.TXT";

// What a generator reads besides the files of the application folder.
struct ReportRequest {
    std::string reportTitle;                  // txtReportTitle
    std::vector<std::string> selectionFiles;  // the file list's entries ("*.BKS"), in its order
};
// Writes TEMPPRT.TXT in the application folder for report index 0..6. False after its own
// message through dialogs (the window then unticks the report's box). Reading selection files
// replaces model.SelLines. (The window calls the output routine after a true answer.)
bool GenerateReport(int index, modBrackwell& model, Dialogs& dialogs, const ReportRequest& request);

}  // namespace brackwell
