#pragma once
// The widget boundary. The rules hold Windows-1252 bytes and Qt holds Unicode; these are the only
// conversions between them. File paths are the operating system's bytes rather than text in the
// code page, so they cross with their own pair.

#include <QString>
#include <string>
#include <string_view>

namespace brackwell {

QString AnsiToQString(std::string_view ansi);
// A character the code page does not have becomes "?".
std::string QStringToAnsi(const QString& text);

// Text with CR LF line breaks (messages, comments) as a widget shows it: one "\n" per break.
QString AnsiToDisplayText(std::string_view ansi);

QString PathToQString(const std::string& path);
std::string QStringToPath(const QString& path);

}  // namespace brackwell
