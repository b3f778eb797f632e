#include "core/HandedOverMail.h"

#include <exception>

namespace brackwell {

namespace {

// The note text ends in blanks that the attachments stand in for.
constexpr const char* kAttachmentRoom = "          ";
constexpr int kAttachmentOffset = 8;

}  // namespace

bool SendHandedOverMail(modBrackwell& model, MailService& mail, Dialogs& dialogs,
                        const std::vector<std::string>& attachments, const std::function<void()>& showMailWindow,
                        const std::string& failureTitle) {
    auto& handOver = model.MailHandOver;
    try {
        showMailWindow();
        if (handOver.Cancelled) {
            handOver.Cancelled = false;
            return false;
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
        for (const std::string& path : attachments) message.attachments.push_back({path, position++});
        mail.Send(message);
        mail.SignOff();
        return true;
    } catch (const std::exception& error) {
        ReportTrappedError(dialogs, failureTitle, error.what());
        return false;
    }
}

}  // namespace brackwell
