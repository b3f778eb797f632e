#include "participants/rules/MailAddress.h"

namespace brackwell {

namespace {

bool IsLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

bool IsLocalPartChar(char c) { return IsLetterOrDigit(c) || c == '.' || c == '_' || c == '+' || c == '-'; }

bool IsDomain(std::string_view domain) {
    std::size_t label = 0;
    for (const char c : domain) {
        if (c == '.') {
            if (label == 0) return false;
            label = 0;
        } else if (IsLetterOrDigit(c) || c == '-') {
            ++label;
        } else {
            return false;
        }
    }
    return label > 0;
}

// An address as a message shows it: quoted, a control byte as a blank, so that it cannot break
// the message's lines.
std::string Shown(const std::string& address) {
    std::string shown = "\"";
    for (const char c : address) shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    return shown + "\"";
}

}  // namespace

bool IsPlainMailAddress(std::string_view address) {
    const std::size_t at = address.find('@');
    if (at == 0 || at == std::string_view::npos || address.front() == '-') return false;
    for (const char c : address.substr(0, at))
        if (!IsLocalPartChar(c)) return false;
    return IsDomain(address.substr(at + 1));
}

std::string RefusedAddressesMessage(const std::vector<std::string>& refused) {
    std::string text = refused.size() == 1 ? "This is not a plain e-mail address and was left out of the mail:"
                                           : "These are not plain e-mail addresses and were left out of the mail:";
    for (const std::string& address : refused) text += "\r\n" + Shown(address);
    return text;
}

std::string RefusedTypedAddressMessage(const std::string& address) {
    return Shown(address) + " is not a plain e-mail address.\r\nType it as name@example.com, without blanks, "
                            "quotes, commas, \"?\" or \"&\".";
}

}  // namespace brackwell
