#pragma once
// The mail seam over the desktop's mail client: xdg-email opens the client's compose window with
// the subject, the note text and the attachments filled in, and the organiser addresses and sends
// the message there.

#include "core/MailService.h"

namespace brackwell {

// Replaces "xdg-email" as the command that hands a message to the mail client (a program, with
// arguments of its own if needed, quoted as in a shell): tests record with it what would be sent.
inline constexpr const char* kMailCommandVariable = "BRACKWELL_MAIL_COMMAND";

class QtMailService final : public MailService {
public:
    // The desktop has no session to open: the flag only keeps the order of sign on, send and sign
    // off that the callers follow.
    bool SessionOpen() const override { return open_; }
    void SignOn() override { open_ = true; }
    void SignOff() override { open_ = false; }

    // Runs the mail command with "--utf8", the subject, the note text (one line break per CR LF),
    // one "--attach" per attachment and the recipients' addresses. Throws std::runtime_error when
    // an attachment is missing or an address could be taken for an option, when the command
    // cannot be started, and when it ends with an error. Attachment positions in the note text are
    // not passed on: the mail client places attachments itself.
    void Send(const MailMessage& message) override;

private:
    bool open_ = false;
};

}  // namespace brackwell
