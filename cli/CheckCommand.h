#pragma once
// brackwell-cli check: every check the program makes on the files of a pool folder, one line
// per file, for an organiser who wonders why a file is refused and for scripts.

#include <ostream>
#include <string>
#include <vector>

namespace brackwell::cli {

// args are those after "check". Exit status 0 when every file is well, 1 otherwise.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brackwell::cli
