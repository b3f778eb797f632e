#pragma once
// The mail window's rules: its roster list of names with addresses, the addresses to send to,
// and what "Send Email" leaves in the mail hand-over for the report window's mail step.

#include <optional>
#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kMailLoadTitle = "Brackwell - frmPoolEmail, Form_Load";
inline constexpr const char* kMailKeyPressTitle = "Brackwell - frmPoolEMail, Form_KeyPress";
inline constexpr const char* kMailDeleteTitle = "Brackwell - PoolEmail, cmdDelete";
inline constexpr const char* kMailSendTitle = "Brackwell - PoolEMail, cmdSend_Click";
extern const char* const kMailNoAddressMessage;
extern const char* const kMailNothingSelectedMessage;

struct MailRoster {
    // "name  (address)", every name padded or cut to the longest name of the roster.
    std::vector<std::string> entries;
    // The address of each entry, trailing blanks removed.
    std::vector<std::string> addresses;
    // With "EMail All": every address there is, in roster order.
    std::vector<std::string> sendTo;
};

// Empties the subject and message of the hand-over, checks the roster (a faulty one leaves
// the lists empty after its message) and lists it.
MailRoster OpenMailRoster(modBrackwell& model, Dialogs& dialogs, bool emailAll);

// The address Enter adds for the chosen roster entry, or nothing after the message that the
// participant has none.
std::optional<std::string> ChosenRosterAddress(const MailRoster& roster, int row, Dialogs& dialogs);

// The address Enter adds for a typed text (blanks around it removed), or nothing: for an empty
// text, and after a message for a text that is not a plain address (IsPlainMailAddress).
std::optional<std::string> TypedAddress(const std::string& typed, Dialogs& dialogs);

// "Send Email": fills the hand-over and gives true when the window may close; false when the
// organiser chose to go back and add recipients.
bool SendMailSelections(modBrackwell& model, Dialogs& dialogs, const std::vector<std::string>& sendTo,
                        const std::string& subject, const std::string& message);

}  // namespace brackwell
