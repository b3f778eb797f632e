#pragma once
// brackwell-cli report: the report window's reports written to their files, for scripts.

#include <ostream>
#include <string>
#include <vector>

namespace brackwell::cli {

// args are those after "report".
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brackwell::cli
