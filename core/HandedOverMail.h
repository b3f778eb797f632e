#pragma once
// The mail step that follows the mail window: the window leaves its recipients, subject and
// message in the model's hand-over, and one message goes out with them and the files attached,
// through the mail client's dialog. The report window mails its reports this way and the
// outlook window its page.

#include <functional>
#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/MailService.h"
#include "core/Model.h"

namespace brackwell {

// Shows the mail window, then sends one message to its recipients with its subject, its message
// followed by ten blanks that the attachments stand in for, and each file of attachments (full
// paths). A cancelled window clears its flag and sends nothing. Failures are shown under
// failureTitle. True when the message was handed to the mail client.
bool SendHandedOverMail(modBrackwell& model, MailService& mail, Dialogs& dialogs,
                        const std::vector<std::string>& attachments, const std::function<void()>& showMailWindow,
                        const std::string& failureTitle);

}  // namespace brackwell
