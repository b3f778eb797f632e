#pragma once
// Windows-1252, the single-byte text of every file and rule, and its Unicode code points.
// The widget boundary converts with these; nothing else needs to know about Unicode.

#include <string>
#include <string_view>

namespace brackwell {

char32_t AnsiToUnicode(unsigned char byte);
// The Windows-1252 byte for a code point, or '?' when the code page has none.
unsigned char UnicodeToAnsi(char32_t codePoint);

std::string AnsiToUtf8(std::string_view ansi);
// Malformed UTF-8 (overlong forms included) and characters outside the code page become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace brackwell
