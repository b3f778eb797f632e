#pragma once
// brackwell-cli outlook: who can still win the pool, as tab-separated text.

#include <ostream>
#include <string>
#include <vector>

namespace brackwell::cli {

// args are those after "outlook".
int RunOutlookCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brackwell::cli
