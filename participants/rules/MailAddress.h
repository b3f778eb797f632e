#pragma once
// Which texts may reach the mail command as an address. The mail command builds a mailto link
// of its arguments and the mail client parses it again, so an address with link syntax in it
// ("mailto:", "?", "&") could attach files or add hidden recipients, and one with quotes, commas
// or blanks could break out of the client's own quoting. Only a plain address passes: a local
// part and a domain around one "@", of letters, digits and a few marks that mean nothing to a
// link, a shell or a quoted list. (The mail command's helpers pass the address through an
// unquoted shell word on its way to some clients, where "*" would even be a file pattern.)

#include <string>
#include <string_view>
#include <vector>

namespace brackwell {

// True for local-part@domain: the local part of ASCII letters, digits and "." "_" "+" "-" (not
// beginning with "-", which the mail command would take for an option), the domain of
// dot-separated labels of ASCII letters, digits and "-".
bool IsPlainMailAddress(std::string_view address);

// The message that names the addresses left out of a mail, one a line.
std::string RefusedAddressesMessage(const std::vector<std::string>& refused);
// The message for an address typed in the mail window that is not a plain one.
std::string RefusedTypedAddressMessage(const std::string& address);

}  // namespace brackwell
