#pragma once
// The mail seam over the desktop's mail client: xdg-email opens the client's compose window with
// the subject, the note text and the attachments filled in, and the organiser addresses and sends
// the message there.

#include "core/Dialogs.h"
#include "core/MailService.h"

namespace brackwell {

// Replaces "xdg-email" as the command that hands a message to the mail client (a program, with
// arguments of its own if needed, quoted as in a shell): tests record with it what would be sent.
inline constexpr const char* kMailCommandVariable = "BRACKWELL_MAIL_COMMAND";

class QtMailService final : public MailService {
public:
    // dialogs shows which addresses were left out of a message.
    explicit QtMailService(Dialogs& dialogs) : dialogs_(dialogs) {}

    // The desktop has no session to open: the flag only keeps the order of sign on, send and sign
    // off that the callers follow.
    bool SessionOpen() const override { return open_; }
    void SignOn() override { open_ = true; }
    void SignOff() override { open_ = false; }

    // Runs the mail command with "--utf8", the subject and the note text (one line break per CR
    // LF; each left out when empty, which the command refuses), one "--attach" per attachment and
    // the recipients' addresses. Only plain addresses are passed on (IsPlainMailAddress); the
    // others are named in a message first and the mail goes to the rest. Throws
    // std::runtime_error when an attachment is missing, when the command cannot be started, and
    // when it ends with an error. Attachment positions in the note text are not passed on: the
    // mail client places attachments itself.
    void Send(const MailMessage& message) override;

private:
    Dialogs& dialogs_;
    bool open_ = false;
};

}  // namespace brackwell
