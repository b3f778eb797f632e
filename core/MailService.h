#pragma once
// Mail as the organiser's program uses it: one session, a message composed with recipients,
// subject, note text and attachments, and sent through the mail client's own compose window,
// where the organiser addresses and sends it. Failures are thrown as std::runtime_error with a
// description for the message box.

#include <string>
#include <vector>

namespace brackwell {

struct MailRecipient {
    std::string name;
    std::string address;
};

struct MailAttachment {
    std::string path;   // full path of the file
    int position = 0;   // place in the note text the attachment stands for
};

struct MailMessage {
    std::vector<MailRecipient> recipients;
    std::string subject;
    std::string noteText;   // CR LF line breaks
    std::vector<MailAttachment> attachments;
};

class MailService {
public:
    virtual ~MailService() = default;

    virtual bool SessionOpen() const = 0;
    virtual void SignOn() = 0;
    virtual void SignOff() = 0;
    // Hands the message to the mail client, with its send dialog shown.
    virtual void Send(const MailMessage& message) = 0;
};

}  // namespace brackwell
