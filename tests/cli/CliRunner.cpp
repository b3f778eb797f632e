#include "tests/cli/CliRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/TempFolder.h"

extern char** environ;

namespace brackwell::testing {

namespace {
bool IsSetting(const std::string& entry, const std::string& name) { return entry.rfind(name + "=", 0) == 0; }

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& settings) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (IsSetting(text, "BRACKWELL_HOME") || IsSetting(text, "XDG_DATA_HOME")) continue;
        bool overridden = false;
        for (const auto& setting : settings)
            overridden = overridden || IsSetting(text, setting.substr(0, setting.find('=')));
        if (!overridden) result.push_back(text);
    }
    result.insert(result.end(), settings.begin(), settings.end());
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}
}  // namespace

std::string BuiltCliPath() { return std::string(BRACKWELL_APP_DIR) + "/brackwell-cli"; }

CliRun RunCli(const CliInvocation& invocation) {
    const TempFolder streams;
    const std::string outPath = invocation.outputPath.empty() ? streams.File("out") : invocation.outputPath;
    const std::string errPath = streams.File("err");
    std::vector<std::string> argv{invocation.program.empty() ? BuiltCliPath() : invocation.program};
    argv.insert(argv.end(), invocation.args.begin(), invocation.args.end());
    std::vector<std::string> env = ChildEnvironment(invocation.environment);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(env);

    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || in < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || dup2(in, 0) < 0) _exit(126);
        execve(argvPointers[0], argvPointers.data(), envPointers.data());
        _exit(127);
    }
    CliRun run;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    if (invocation.outputPath.empty()) run.out = ReadBytes(outPath);
    run.err = ReadBytes(errPath);
    return run;
}

CliRun RunCli(const std::vector<std::string>& args) { return RunCli(CliInvocation{args, {}, {}, {}}); }

}  // namespace brackwell::testing
