#include "participants/rules/MailSelections.h"

#include <algorithm>

#include "core/RosterFile.h"
#include "core/TextHelpers.h"
#include "participants/rules/MailAddress.h"

namespace brackwell {

const char* const kMailNoAddressMessage =
    "EMail address does not exist for this player. You must either\r\nenter the EMail manually or select the "
    "\"Edit Names File\" menu\r\noption from the main form & add this EMail address.";
const char* const kMailNothingSelectedMessage =
    "You must select one of the entries from the list \r\nof EMail address selections.\r\n\r\nMake a selection and "
    "then retry.";

MailRoster OpenMailRoster(modBrackwell& model, Dialogs& dialogs, bool emailAll) {
    model.MailHandOver.Subject.clear();
    model.MailHandOver.Message.clear();

    MailRoster roster;
    const RosterReadResult read = ValidateRosterFile(model, dialogs) ? ReadRosterRecords(model) : RosterReadResult{{}, LineReadStatus::Unreadable};
    if (!read.ok()) {
        dialogs.MessageBox("Problems found with PLAYERNAMES.CSV file\r\nThis condition must be corrected, See Help content",
                           MsgButtons::OK, MsgIcon::None, kMailLoadTitle);
        return roster;
    }

    std::size_t longest = 0;
    for (const RosterRecord& record : read.records) longest = std::max(longest, TrimTrailingSpaces(record.name).size());

    bool missingTold = false;
    for (const RosterRecord& record : read.records) {
        std::string name = record.name.substr(0, std::min(longest, record.name.size()));
        name.resize(longest, ' ');
        const std::string address = TrimTrailingSpaces(record.email);
        roster.entries.push_back(name + "  (" + address + ")");
        roster.addresses.push_back(address);
        if (!emailAll) continue;
        if (!address.empty()) {
            roster.sendTo.push_back(address);
        } else if (!missingTold) {
            missingTold = true;
            dialogs.MessageBox("You have selected the \"EMail All\" option and there\r\nis at least one player name "
                               "without an EMail address.\r\n\r\nPrint a Player Listing to locate the missing EMail "
                               "address.",
                               MsgButtons::OK, MsgIcon::None, kMailLoadTitle);
        }
    }
    return roster;
}

std::optional<std::string> ChosenRosterAddress(const MailRoster& roster, int row, Dialogs& dialogs) {
    if (row < 0 || row >= static_cast<int>(roster.addresses.size())) return std::nullopt;
    const std::string& address = roster.addresses[static_cast<std::size_t>(row)];
    if (address.empty()) {
        dialogs.MessageBox(kMailNoAddressMessage, MsgButtons::OK, MsgIcon::None, kMailKeyPressTitle);
        return std::nullopt;
    }
    return address;
}

std::optional<std::string> TypedAddress(const std::string& typed, Dialogs& dialogs) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::string address = TrimTrailingSpaces(typed.substr(first));
    if (IsPlainMailAddress(address)) return address;
    dialogs.MessageBox(RefusedTypedAddressMessage(address), MsgButtons::OK, MsgIcon::Exclamation, kMailKeyPressTitle);
    return std::nullopt;
}

bool SendMailSelections(modBrackwell& model, Dialogs& dialogs, const std::vector<std::string>& sendTo,
                        const std::string& subject, const std::string& message) {
    auto& handOver = model.MailHandOver;
    handOver.RecipientUpperBound = static_cast<int>(sendTo.size()) - 1;
    if (sendTo.empty()) {
        const MsgAnswer answer = dialogs.MessageBox(
            "No \"SendTo\" names were defined, You can cancel\r\nand complete these entries or if you continue, "
            "your\r\nmail system will prompt you with another opportunity to complete these.",
            MsgButtons::OKCancel, MsgIcon::None, kMailSendTitle);
        if (answer != MsgAnswer::OK) return false;
    } else {
        handOver.Recipients = sendTo;
    }
    handOver.Message = message;
    handOver.Subject = subject;
    return true;
}

}  // namespace brackwell
