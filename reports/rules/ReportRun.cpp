#include "reports/rules/ReportRun.h"

#include <exception>
#include <optional>
#include <utility>

#include "reports/rules/ReportWorkLock.h"

namespace brackwell {

const char* const kNoReportSelectedMessage =
    "You will need to select one of the Report Selections before\r\nchoosing the \"Create Selected Reports\" "
    "Command Button";

namespace {

// The note text ends in blanks that the attachments stand in for.
constexpr const char* kAttachmentRoom = "          ";
constexpr int kAttachmentOffset = 8;

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
    auto& handOver = model.MailHandOver;
    try {
        showMailWindow();
        if (handOver.Cancelled) {
            handOver.Cancelled = false;
            return;
        }
        if (!mail.SessionOpen()) mail.SignOn();

        MailMessage message;
        for (int i = 0; i <= handOver.RecipientUpperBound && i < static_cast<int>(handOver.Recipients.size()); ++i)
            message.recipients.push_back({handOver.Recipients[static_cast<std::size_t>(i)], ""});
        message.subject = handOver.Subject;
        message.noteText = handOver.Message + kAttachmentRoom;
        handOver.Recipients.assign(1, std::string());
        handOver.RecipientUpperBound = 0;

        int position = static_cast<int>(message.noteText.size()) - kAttachmentOffset;
        for (int index = 0; index < kReportCount; ++index) {
            if (!attach[index]) continue;
            message.attachments.push_back({model.AppFilePath(ReportAt(index).outputFile), position});
            ++position;
        }
        mail.Send(message);
        mail.SignOff();
    } catch (const std::exception& error) {
        ReportTrappedError(dialogs, kWriteEMailTitle, error.what());
    }
}

}  // namespace brackwell
