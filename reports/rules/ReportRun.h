#pragma once
// "Create Selected Reports" and the mail step that follows it, over the report window's state:
// which boxes are ticked, the destination, the default-printer flag.

#include <array>
#include <functional>

#include "core/Platform.h"
#include "reports/rules/ReportGenerators.h"
#include "reports/rules/ReportOutput.h"
#include "reports/rules/RunPool.h"

namespace brackwell {

// The report window's destination buttons, by index.
enum class ReportDestination { Printer = 0, File = 1, Email = 2, EmailAll = 3, PdfFile = 4 };

// A run's generators share the pool it reads (RunReportGenerator's last argument).
using ReportGenerator = std::function<ReportOutcome(int index, modBrackwell& model, Dialogs& dialogs,
                                                    const ReportRequest& request, reports::RunPool& pool)>;
using TickedReports = std::array<bool, kReportCount>;

inline constexpr const char* kCreateReportsTitle = "Brackwell - frmPoolReports, PrintSelections_Click ";
inline constexpr const char* kWriteEMailTitle = "Brackwell - frmPoolReports, WriteEMail";
extern const char* const kNoReportSelectedMessage;

struct ReportRunSteps {
    ReportGenerator generate;
    // Before each ticked report: how many ticked reports are done, of how many.
    std::function<void(int done, int total)> progress;
    // After the last report, before any message or the mail window.
    std::function<void()> reportsDone;
    // Shows the mail window modally; it fills model.MailHandOver.
    std::function<void()> showMailWindow;
};

// Busy: another run was writing reports in the folder; nothing was run.
enum class ReportRunOutcome { NothingTicked, Busy, Failed, Done };

// Runs the ticked reports in table order, each generated then output, all over one pool, while
// holding the folder's ReportWorkLock (when another run holds it: kReportsBusyMessage). A report whose generator
// fails, or that skipped itself asking for it, is unticked. A report that could not be printed
// or copied also counts as a failure, so that no mail goes out with a missing file. The mail
// step follows for the two mail destinations when nothing failed, with the reports written in
// this run attached.
ReportRunOutcome CreateSelectedReports(modBrackwell& model, Platform& platform, TickedReports& ticked,
                                       ReportDestination destination, bool useDefaultPrinter,
                                       const ReportRequest& request, const ReportRunSteps& steps);

// The mail step: the mail window, then one message to its recipients with its subject, its
// message followed by ten blanks, and one attachment per report in attach, sent through the mail
// client's dialog. A cancelled window clears its flag and sends nothing. Failures are shown
// under kWriteEMailTitle.
void WriteEMail(modBrackwell& model, MailService& mail, Dialogs& dialogs, const TickedReports& attach,
                const std::function<void()>& showMailWindow);

}  // namespace brackwell
