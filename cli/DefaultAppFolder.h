#pragma once
// The application folder the command line works in when none is named: the one the program
// itself would choose, from the environment and where this executable lies.

#include <string>

namespace brackwell::cli {

std::string DefaultAppFolder();

}  // namespace brackwell::cli
