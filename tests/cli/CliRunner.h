#pragma once
// Runs brackwell-cli as a process and collects what it printed and how it ended.

#include <string>
#include <vector>

namespace brackwell::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

struct CliInvocation {
    std::vector<std::string> args;
    // "NAME=value" settings over the test's environment, from which BRACKWELL_HOME and
    // XDG_DATA_HOME are removed so that only the test decides the application folder.
    std::vector<std::string> environment;
    std::string program;     // the built brackwell-cli when empty
    std::string outputPath;  // where standard output goes; a file of the run's own when empty
};

CliRun RunCli(const CliInvocation& invocation);
CliRun RunCli(const std::vector<std::string>& args);

std::string BuiltCliPath();

}  // namespace brackwell::testing
