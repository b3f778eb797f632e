#include "reports/rules/ReportRun.h"

#include <exception>
#include <optional>
#include <utility>

#include "core/HandedOverMail.h"
#include "reports/rules/ReportWorkLock.h"

namespace brackwell {

const char* const kNoReportSelectedMessage =
    "You will need to select one of the Report Selections before\r\nchoosing the \"Create Selected Reports\" "
    "Command Button";

namespace {

OutputTarget OutputTargetOf(ReportDestination destination) {
    switch (destination) {
        case ReportDestination::Printer: return OutputTarget::Printer;
        case ReportDestination::PdfFile: return OutputTarget::PdfFile;
        default: return OutputTarget::ReportFile;
    }
}

}  // namespace

ReportRunOutcome CreateSelectedReports(modBrackwell& model, Platform& platform, TickedReports& ticked,
                                       ReportDestination destination, bool useDefaultPrinter,
                                       const ReportRequest& request, const ReportRunSteps& steps) {
    int total = 0;
    for (bool tick : ticked) total += tick ? 1 : 0;
    if (total == 0) {
        platform.dialogs.MessageBox(kNoReportSelectedMessage, MsgButtons::OK, MsgIcon::None, kCreateReportsTitle);
        return ReportRunOutcome::NothingTicked;
    }

    std::optional<ReportWorkLock> lock(std::in_place, model.AppFolder);
    if (lock->Busy()) {
        platform.dialogs.MessageBox(kReportsBusyMessage, MsgButtons::OK, MsgIcon::Exclamation, kCreateReportsTitle);
        return ReportRunOutcome::Busy;
    }

    const OutputSettings output{OutputTargetOf(destination), useDefaultPrinter};
    TickedReports written{};
    bool failed = false;
    int done = 0;
    reports::RunPool pool;
    for (int index = 0; index < kReportCount; ++index) {
        if (!ticked[index]) continue;
        if (steps.progress) steps.progress(done, total);
        ++done;
        switch (steps.generate(index, model, platform.dialogs, request, pool)) {
            case ReportOutcome::Written:
                written[index] = WriteOutputRoutine(model, platform.printer, platform.dialogs, ReportAt(index).key, output);
                failed = failed || !written[index];
                break;
            case ReportOutcome::Skipped: ticked[index] = false; break;
            case ReportOutcome::SkippedStillTicked: break;
            case ReportOutcome::Failed:
                ticked[index] = false;
                failed = true;
                break;
        }
    }
    if (steps.progress) steps.progress(done, total);
    // The mail window may stay open a while; the files it attaches are whole already.
    lock.reset();
    if (steps.reportsDone) steps.reportsDone();
    if (failed) return ReportRunOutcome::Failed;

    if (destination == ReportDestination::Email || destination == ReportDestination::EmailAll)
        WriteEMail(model, platform.mail, platform.dialogs, written, steps.showMailWindow);
    return ReportRunOutcome::Done;
}

void WriteEMail(modBrackwell& model, MailService& mail, Dialogs& dialogs, const TickedReports& attach,
                const std::function<void()>& showMailWindow) {
    std::vector<std::string> files;
    for (int index = 0; index < kReportCount; ++index)
        if (attach[index]) files.push_back(model.AppFilePath(ReportAt(index).outputFile));
    SendHandedOverMail(model, mail, dialogs, files, showMailWindow, kWriteEMailTitle);
}

}  // namespace brackwell
