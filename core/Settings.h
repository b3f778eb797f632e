#pragma once
// The program's one setting: demo mode, on exactly when "BRACKWELL.INI" exists and its first
// line is "1". Read afresh at every call; the program never writes the file.

#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kSettingsFileName = "BRACKWELL.INI";

bool DemoModeActive(const modBrackwell& model);

}  // namespace brackwell
