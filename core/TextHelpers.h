#pragma once
// Small text rules shared by every file and window. Text is Windows-1252 bytes.

#include <string>
#include <string_view>

namespace brackwell {

inline constexpr const char* kCrLf = "\r\n";

std::string TrimTrailingSpaces(std::string_view text);
// True when text is empty or starts with a blank.
bool IsBlankField(std::string_view text);
std::string LineBreaksToBars(std::string_view text);
// Every CR LF pair becomes the one character given.
std::string ReplaceLineBreaks(std::string_view text, char replacement);
// What a writer stores so that a text stays one line of its file: in a multi-line comment every
// line break (CR LF, LF alone or CR alone) becomes "|"; in any other field every CR and every
// LF becomes a blank, which keeps the field's width.
std::string CommentToOneLine(std::string_view text);
std::string BlankLineBreaks(std::string_view text);
// Every "|" becomes CR LF, at most 999 of them.
std::string BarsToLineBreaks(std::string_view text);

// Case folding of the Windows-1252 letters (ASCII and the accented Latin letters).
char UpperAnsi(char c);
char LowerAnsi(char c);
std::string UpperCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// The order of a sorted list box: case-insensitive, then by bytes.
int CompareListOrder(std::string_view a, std::string_view b);

std::string PadRight(std::string_view text, std::size_t width);

}  // namespace brackwell
