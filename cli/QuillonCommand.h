#pragma once
// brackwell-cli quillon: builds the pick program QUILLON.EXE from the folder's field, as the
// setup window's finalizing save does.

#include <ostream>
#include <string>
#include <vector>

namespace brackwell::cli {

// args are those after "quillon".
int RunQuillonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brackwell::cli
