#pragma once
// brackwell-cli score: the standings of a pool folder as tab-separated text.

#include <ostream>
#include <string>
#include <vector>

namespace brackwell::cli {

// args are those after "score".
int RunScoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brackwell::cli
