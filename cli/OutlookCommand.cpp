#include "cli/OutlookCommand.h"

#include <charconv>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/ConsoleDialogs.h"
#include "cli/FolderCommand.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookPool.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell::cli {

namespace {
struct OutlookCommandOptions {
    std::optional<std::string> folder;
    OutlookOptions outlook;
    bool help = false;
};

// Digits only: a sign, a blank or anything after the number makes it wrong.
std::optional<std::uint64_t> WholeNumber(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// The value of an option given as "--name VALUE" or "--name=VALUE"; nothing when arg is another.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                                       std::optional<std::string>& complaint) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size()) {
            complaint = name + " needs a value";
            return std::string();
        }
        return args[++i];
    }
    if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
    return std::nullopt;
}

// The options, or the complaint about them.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, OutlookCommandOptions& options) {
    std::optional<std::string> complaint;
    for (std::size_t i = 0; i < args.size() && !complaint; ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--exact") {
            options.outlook.ExactLimit = kGameCount;
        } else if (const auto folder = OptionValue(args, i, "--folder", complaint)) {
            if (folder->empty()) complaint = "--folder needs a folder";
            options.folder = *folder;
        } else if (const auto sims = OptionValue(args, i, "--sims", complaint)) {
            const std::optional<std::uint64_t> value = WholeNumber(*sims);
            if (value && *value > 0) options.outlook.Simulations = *value;
            else if (!complaint) complaint = "--sims needs a number of simulated tournaments, 1 or more, not \"" + *sims + "\"";
        } else if (const auto seed = OptionValue(args, i, "--seed", complaint)) {
            const std::optional<std::uint64_t> value = WholeNumber(*seed);
            if (value) options.outlook.RandomSeed = *value;
            else if (!complaint) complaint = "--seed needs a whole number, 0 or more, not \"" + *seed + "\"";
        } else {
            complaint = "unknown option \"" + arg + "\"";
        }
    }
    return complaint;
}
}  // namespace

int RunOutlookCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    OutlookCommandOptions options;
    const std::optional<std::string> complaint = ParseOptions(args, options);
    std::string folder;
    if (const auto ended = StartFolderCommand("outlook", complaint, options.help, options.folder, folder, out, err))
        return *ended;
    ConsoleDialogs dialogs(err);
    const std::optional<OutlookPool> pool = ReadOutlookPool(folder, dialogs);
    if (!pool) return kExitFailure;
    const std::optional<OutlookResult> result = ComputeOutlook(*pool, options.outlook);
    if (!result) {
        err << kProgramName << " outlook: the outlook could not be computed\n";
        return kExitFailure;
    }
    const std::string table = OutlookTableText(*result);
    out.write(table.data(), static_cast<std::streamsize>(table.size()));
    if (!out.flush()) {
        err << kProgramName << " outlook: the outlook could not be written to standard output\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace brackwell::cli
