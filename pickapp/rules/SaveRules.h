#pragma once
// What Save As checks before it asks for a file name, and the file it writes.

#include <optional>
#include <string>

#include "pickapp/rules/PickBracket.h"

namespace brackwell::pick {

inline constexpr const char* kErrorTitle = "** QUILLON ERROR **";
inline constexpr int kLowestTotal = 50;
inline constexpr int kHighestTotal = 250;

// Demo mode is on when "BRACKWELL.INI" in folder (any case of the name) is a regular file that
// starts with "1"; anything else of that name (a pipe, a device, a folder) is read without waiting
// and counts as no flag.
bool DemoFlagSet(const std::string& folder);

// The number the total's leading digits make (0 when there are none).
int LeadingNumber(const std::string& text);

// The message refusing the save, or nothing when the entries may be saved.
std::optional<std::string> SaveRefusal(bool demoMode, const std::string& initials, const std::string& name,
                                       const std::string& totalPoints);

// The file name Save As proposes: the name, "_" and the initials as typed.
std::string SuggestedFileName(const std::string& name, const std::string& initials);

// Writes the selection file: the 127 captions, the initials as typed, the name, the total and
// "*END*", each line ended by CR LF. Written to a temporary made afresh beside path
// (".NAME.PID.XXXXXX", never through a link) and renamed over it when complete, so a failed write
// leaves no half file and keeps an old one. False when it cannot be written.
bool WritePickSelection(const std::string& path, const PickBracket& bracket, const std::string& initials,
                        const std::string& name, const std::string& totalPoints);

}  // namespace brackwell::pick
