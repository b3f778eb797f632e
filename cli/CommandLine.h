#pragma once
// The commands of brackwell-cli: the arguments after the program's name in, the exit status out.

#include <ostream>
#include <string>
#include <vector>

namespace brackwell::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work could not be done (missing folder or file, output lost)
inline constexpr int kExitUsage = 2;    // the command line is wrong

inline constexpr const char* kProgramName = "brackwell-cli";

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What --help prints.
const char* UsageText();

}  // namespace brackwell::cli
